#include "rss/WsdlReader.h"
#include "base/Error.h"
#include "rss/SoapEnvelope.h"

#include <gtest/gtest.h>

using rss::SoapEnvelope;
using rss::WsdlReader;

namespace {

// The shape an ASP.NET web service gives its description: the SOAP 1.2 binding and
// port first, the element's type written inside it, a relative address.
const char *const AspNetService = R"(<?xml version="1.0" encoding="utf-8"?>
<wsdl:definitions xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/" xmlns:tns="http://tempuri.org/"
    xmlns:s="http://www.w3.org/2001/XMLSchema" xmlns:soap12="http://schemas.xmlsoap.org/wsdl/soap12/"
    targetNamespace="http://tempuri.org/" xmlns:wsdl="http://schemas.xmlsoap.org/wsdl/">
  <wsdl:types>
    <s:schema elementFormDefault="qualified" targetNamespace="http://tempuri.org/">
      <s:element name="SubmitUserStatus">
        <s:complexType><s:sequence>
          <s:element minOccurs="0" maxOccurs="1" name="UserName" type="s:string" />
          <s:element minOccurs="0" maxOccurs="1" name="Status" type="s:string" />
          <s:element minOccurs="0" maxOccurs="1" name="Password" type="s:string" />
        </s:sequence></s:complexType>
      </s:element>
      <s:element name="SubmitUserStatusResponse"><s:complexType /></s:element>
    </s:schema>
  </wsdl:types>
  <wsdl:message name="SubmitUserStatusSoapIn"><wsdl:part name="parameters" element="tns:SubmitUserStatus" /></wsdl:message>
  <wsdl:message name="SubmitUserStatusSoapOut"><wsdl:part name="parameters" element="tns:SubmitUserStatusResponse" /></wsdl:message>
  <wsdl:portType name="ServiceSoap">
    <wsdl:operation name="SubmitUserStatus">
      <wsdl:input message="tns:SubmitUserStatusSoapIn" /><wsdl:output message="tns:SubmitUserStatusSoapOut" />
    </wsdl:operation>
  </wsdl:portType>
  <wsdl:binding name="ServiceSoap12" type="tns:ServiceSoap">
    <soap12:binding transport="http://schemas.xmlsoap.org/soap/http" />
    <wsdl:operation name="SubmitUserStatus">
      <soap12:operation soapAction="http://tempuri.org/SubmitUserStatus12" style="document" />
      <wsdl:input><soap12:body use="literal" /></wsdl:input>
    </wsdl:operation>
  </wsdl:binding>
  <wsdl:binding name="ServiceSoap" type="tns:ServiceSoap">
    <soap:binding transport="http://schemas.xmlsoap.org/soap/http" />
    <wsdl:operation name="SubmitUserStatus">
      <soap:operation soapAction="http://tempuri.org/SubmitUserStatus" style="document" />
      <wsdl:input><soap:body use="literal" /></wsdl:input>
    </wsdl:operation>
  </wsdl:binding>
  <wsdl:service name="Service">
    <wsdl:port name="ServiceSoap12" binding="tns:ServiceSoap12"><soap12:address location="http://wrong.example/12" /></wsdl:port>
    <wsdl:port name="ServiceSoap" binding="tns:ServiceSoap"><soap:address location="Service.asmx" /></wsdl:port>
  </wsdl:service>
</wsdl:definitions>)";

TEST(WsdlReaderTest, ReadsTheSoap11OperationOfAnAspNetService)
{
    const auto operation = WsdlReader::describe(
        AspNetService, QUrl(QStringLiteral("http://host.example/corvandeltwit/Service.asmx?wsdl")),
        QStringLiteral("SubmitUserStatus"));
    EXPECT_EQ(operation.endpoint, QUrl(QStringLiteral("http://host.example/corvandeltwit/Service.asmx")));
    EXPECT_EQ(operation.soapAction, QStringLiteral("http://tempuri.org/SubmitUserStatus"));
    EXPECT_EQ(operation.elementNamespace, QStringLiteral("http://tempuri.org/"));
    EXPECT_EQ(operation.elementName, QStringLiteral("SubmitUserStatus"));
    EXPECT_EQ(operation.parameterNames,
              (QStringList{QStringLiteral("UserName"), QStringLiteral("Status"), QStringLiteral("Password")}));
    EXPECT_TRUE(operation.qualifiedParameters);

    const QByteArray envelope = SoapEnvelope::request(operation, {QStringLiteral("a&b"), QStringLiteral("<s>"), {}});
    EXPECT_TRUE(envelope.contains("<m:UserName>a&amp;b</m:UserName><m:Status>&lt;s&gt;</m:Status><m:Password>"
                                  "</m:Password>"))
        << envelope.toStdString();
    EXPECT_TRUE(
        SoapEnvelope::requestHeaders(operation).contains("SOAPAction: \"http://tempuri.org/SubmitUserStatus\""));
}

TEST(WsdlReaderTest, DocumentsThatDoNotDescribeTheOperationAreRefused)
{
    const QUrl address(QStringLiteral("http://host.example/?wsdl"));
    const QByteArray rpcStyle
        = QByteArray(AspNetService).replace("<soap:binding transport", "<soap:binding style=\"rpc\" transport");
    const QByteArray otherOperation = QByteArray(AspNetService).replace("\"SubmitUserStatus\"", "\"Other\"");
    for (const QByteArray &document :
         {QByteArray("<html><body>Not found</body></html>"),
          QByteArray("<wsdl:definitions xmlns:wsdl=\"http://schemas.xmlsoap.org/wsdl/\">"), rpcStyle, otherOperation}) {
        EXPECT_THROW(WsdlReader::describe(document, address, QStringLiteral("SubmitUserStatus")), base::Error)
            << document.left(80).toStdString();
    }
}

// Documents a hostile peer may send: a soapAction that would add HTTP headers, and
// elements nested a million deep (which once overflowed the stack).
TEST(WsdlReaderTest, HostileDocumentsAreRefusedWithAReason)
{
    const QUrl address(QStringLiteral("http://host.example/?wsdl"));
    const QByteArray injected = QByteArray(AspNetService)
                                    .replace("soapAction=\"http://tempuri.org/SubmitUserStatus\"",
                                             "soapAction=\"http://tempuri.org/x&#13;&#10;X-Injected: 1\"");
    QByteArray deep = "<wsdl:definitions xmlns:wsdl=\"http://schemas.xmlsoap.org/wsdl/\">";
    deep += QByteArray("<a>").repeated(1000000) + QByteArray("</a>").repeated(1000000);
    deep += "</wsdl:definitions>";
    const struct
    {
        QByteArray document;
        const char *reason;
    } cases[] = {
        {injected, "holds a line break"},
        {deep, "nest deeper than"},
    };
    for (const auto &c : cases) {
        try {
            WsdlReader::describe(c.document, address, QStringLiteral("SubmitUserStatus"));
            ADD_FAILURE() << "accepted: " << c.reason;
        } catch (const base::Error &error) {
            EXPECT_TRUE(error.description().contains(QLatin1String(c.reason))) << error.description().toStdString();
        }
    }
}

TEST(SoapEnvelopeTest, FindsTheFaultText)
{
    const QByteArray fault = "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
                             "<soap:Fault><faultcode>soap:Server</faultcode><faultstring>Over quota</faultstring>"
                             "</soap:Fault></soap:Body></soap:Envelope>";
    EXPECT_EQ(SoapEnvelope::faultOf(fault), QStringLiteral("Over quota"));
    EXPECT_EQ(SoapEnvelope::faultOf(QByteArray(fault).replace("<faultstring>Over quota</faultstring>", "")),
              QStringLiteral("soap:Server"));
    EXPECT_FALSE(SoapEnvelope::faultOf("<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                                       "<soap:Body><r>ok</r></soap:Body></soap:Envelope>"));
    EXPECT_FALSE(SoapEnvelope::faultOf("not xml"));
}

} // namespace
