// The transfer module: one libcurl easy handle per transfer, run to its end on the
// calling thread (the program calls it from a worker thread).

#include "rss/net/TransferModule.h"

#include <curl/curl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <sys/stat.h>

namespace {

struct FileCloser
{
    void operator()(FILE *file) const { std::fclose(file); }
};
struct EasyCleanup
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct ListCleanup
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

void setDetail(TallowmereTransferResult *result, const char *text)
{
    std::snprintf(result->detail, sizeof result->detail, "%s", text);
}

size_t receive(char *data, size_t size, size_t count, void *userData)
{
    const auto *request = static_cast<const TallowmereTransferRequest *>(userData);
    if (request->appendBody)
        request->appendBody(request->context, data, size * count);
    return size * count;
}

int progress(void *userData, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto *request = static_cast<const TallowmereTransferRequest *>(userData);
    return request->shouldAbort && request->shouldAbort(request->context) ? 1 : 0;
}

TallowmereTransferFailure failureOf(CURLcode code)
{
    switch (code) {
    case CURLE_OK: return TallowmereNoFailure;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: return TallowmereResolveFailure;
    case CURLE_COULDNT_CONNECT: return TallowmereConnectFailure;
    case CURLE_LOGIN_DENIED: return TallowmereLoginFailure;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND: return TallowmereRemotePathFailure;
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_QUOTE_ERROR: return TallowmereStoreFailure;
    case CURLE_OPERATION_TIMEDOUT: return TallowmereTimeoutFailure;
    case CURLE_UNSUPPORTED_PROTOCOL: return TallowmereUnsupportedFailure;
    case CURLE_ABORTED_BY_CALLBACK: return TallowmereAbortedFailure;
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION: return TallowmereTlsFailure;
    case CURLE_READ_ERROR: return TallowmereLocalFileFailure;
    default: return TallowmereOtherFailure;
    }
}

// libcurl says only "error setting certificate file"; the user needs to know that the
// system's certificate authorities are missing and which file was looked for.
void describeMissingAuthorities(CURL *handle, TallowmereTransferResult *result)
{
    const char *bundle = nullptr;
    if (const char *chosen = std::getenv("CURL_CA_BUNDLE"); chosen && *chosen)
        bundle = chosen;
    else
        curl_easy_getinfo(handle, CURLINFO_CAINFO, &bundle);
    struct stat status = {};
    if (bundle && stat(bundle, &status) == 0 && S_ISREG(status.st_mode))
        std::snprintf(result->detail, sizeof result->detail, "the certificate authorities in %s cannot be read",
                      bundle);
    else
        std::snprintf(result->detail, sizeof result->detail, "no certificate authorities are installed (%s is missing)",
                      bundle ? bundle : "the certificate bundle");
}

// Waiting for a connection, a greeting or any reply, and a transfer that stalls, all
// end after the request's time-out; a slow but moving upload goes on.
void setTimeouts(CURL *handle, long seconds)
{
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, seconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, seconds);
}

} // namespace

extern "C" __attribute__((visibility("default"))) void tallowmere_transfer_run(const TallowmereTransferRequest *request,
                                                                               TallowmereTransferResult *result)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    result->failure = TallowmereNoFailure;
    result->responseCode = 0;
    result->detail[0] = '\0';

    std::unique_ptr<CURL, EasyCleanup> handle(curl_easy_init());
    if (!handle) {
        result->failure = TallowmereOtherFailure;
        setDetail(result, "The network library could not start a transfer.");
        return;
    }
    CURL *curl = handle.get();
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_URL, request->url);
    if (request->userName)
        curl_easy_setopt(curl, CURLOPT_USERNAME, request->userName);
    if (request->password)
        curl_easy_setopt(curl, CURLOPT_PASSWORD, request->password);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, request);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, request);
    setTimeouts(curl, request->timeoutSeconds);
    // An office whose servers carry certificates of its own authority names that
    // authority's certificate file here, as it does for the curl tool.
    if (const char *authorities = std::getenv("CURL_CA_BUNDLE"); authorities && *authorities)
        curl_easy_setopt(curl, CURLOPT_CAINFO, authorities);

    std::unique_ptr<FILE, FileCloser> file;
    std::unique_ptr<curl_slist, ListCleanup> headers;
    if (request->kind == TallowmereFtpUpload) {
        file.reset(std::fopen(request->localPath, "rb"));
        struct stat status = {};
        if (!file || fstat(fileno(file.get()), &status) != 0) {
            result->failure = TallowmereLocalFileFailure;
            setDetail(result, std::strerror(errno));
            return;
        }
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp,ftps,sftp");
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READDATA, file.get());
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(status.st_size));
        // One "CWD <directory>" as the user wrote it, then the store.
        curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
        if (request->requireTls)
            curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    } else {
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, request->timeoutSeconds);
        for (int i = 0; i < request->headerCount; ++i) {
            curl_slist *extended = curl_slist_append(headers.get(), request->headers[i]);
            if (!extended)
                break;
            headers.release();
            headers.reset(extended);
        }
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
        if (request->kind == TallowmereHttpPost) {
            curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request->bodyLength));
            curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request->body);
        }
    }

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result->responseCode);
    result->failure = failureOf(code);
    if (code == CURLE_SSL_CACERT_BADFILE) {
        result->failure = TallowmereTlsFailure;
        describeMissingAuthorities(curl, result);
    } else if (code != CURLE_OK) {
        setDetail(result, errorText[0] ? errorText : curl_easy_strerror(code));
    }
}
