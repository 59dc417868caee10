// The transfer module: one libcurl easy handle per transfer, run to its end on the
// calling thread (the program calls it from a worker thread).

#include "rss/net/TransferModule.h"

#include "base/ModuleExport.h"

#include <curl/curl.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
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

using List = std::unique_ptr<curl_slist, ListCleanup>;

List listOf(const char *const *lines, int count)
{
    List list;
    for (int i = 0; i < count; ++i) {
        curl_slist *extended = curl_slist_append(list.get(), lines[i]);
        if (!extended)
            break;
        list.release();
        list.reset(extended);
    }
    return list;
}

void setDetail(TallowmereTransferResult *result, const char *text)
{
    std::snprintf(result->detail, sizeof result->detail, "%s", text);
}

// What the callbacks share during one transfer.
struct Session
{
    const TallowmereTransferRequest *request;
    TallowmereTransferResult *result;
    size_t received = 0; // body and header bytes, against maxReplyBytes
    bool tooLarge = false;
    TallowmereTransferFailure hostKeyRefusal = TallowmereNoFailure;
    // When a byte last moved either way, for a time-out that counts from there.
    curl_off_t moved = 0;
    std::chrono::steady_clock::time_point movedAt = std::chrono::steady_clock::now();
    bool quiet = false;
};

// The server's key must be in the known_hosts file before the password is sent.
int checkHostKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match, void *userData)
{
    auto *session = static_cast<Session *>(userData);
    if (match == CURLKHMATCH_OK)
        return CURLKHSTAT_FINE;
    session->hostKeyRefusal
        = match == CURLKHMATCH_MISMATCH ? TallowmereChangedHostKeyFailure : TallowmereUnknownHostKeyFailure;
    TallowmereTransferResult *result = session->result;
    result->hostKeyLength = 0;
    if (found && found->len > 0 && found->len <= sizeof result->hostKey) {
        std::memcpy(result->hostKey, found->key, found->len);
        result->hostKeyLength = found->len;
    }
    return CURLKHSTAT_REJECT;
}

// A peer cannot make the program hold more than the request allows.
bool admit(Session *session, size_t length)
{
    const size_t most = session->request->maxReplyBytes;
    if (most && length > most - session->received) {
        session->tooLarge = true;
        return false;
    }
    session->received += length;
    return true;
}

size_t receive(char *data, size_t size, size_t count, void *userData)
{
    auto *session = static_cast<Session *>(userData);
    const TallowmereTransferRequest *request = session->request;
    const size_t length = size * count;
    if (!admit(session, length))
        return 0;
    if (request->appendBody)
        request->appendBody(request->context, data, length);
    return length;
}

size_t receiveHeader(char *line, size_t size, size_t count, void *userData)
{
    auto *session = static_cast<Session *>(userData);
    const size_t length = size * count;
    if (!admit(session, length))
        return 0;
    session->request->appendHeader(session->request->context, line, length);
    return length;
}

int progress(void *userData, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded)
{
    auto *session = static_cast<Session *>(userData);
    const TallowmereTransferRequest *request = session->request;
    if (request->shouldAbort && request->shouldAbort(request->context))
        return 1;
    const auto now = std::chrono::steady_clock::now();
    if (downloaded + uploaded != session->moved) {
        session->moved = downloaded + uploaded;
        session->movedAt = now;
    } else if (request->timeoutFromLastByte
               && now - session->movedAt > std::chrono::milliseconds(request->timeoutMilliseconds)) {
        session->quiet = true;
        return 1;
    }
    return 0;
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
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE: return TallowmereConnectionLostFailure;
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
// end after the request's time-out; a slow but moving upload goes on. The last two
// count in whole seconds only: a part of one counts as a whole.
void setTimeouts(CURL *handle, long milliseconds)
{
    const long seconds = (milliseconds + 999) / 1000;
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, milliseconds);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, seconds);
}

bool isRedirect(long code)
{
    return code == 301 || code == 302 || code == 303 || code == 307 || code == 308;
}

// Where an address leads: its scheme, host and port (the scheme's own when none is
// written), lower-cased; empty when it cannot be read.
std::string originOf(const char *address)
{
    std::string origin;
    CURLU *url = curl_url();
    char *scheme = nullptr;
    char *host = nullptr;
    char *port = nullptr;
    if (url && curl_url_set(url, CURLUPART_URL, address, 0) == CURLUE_OK
        && curl_url_get(url, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK
        && curl_url_get(url, CURLUPART_HOST, &host, 0) == CURLUE_OK
        && curl_url_get(url, CURLUPART_PORT, &port, CURLU_DEFAULT_PORT) == CURLUE_OK) {
        origin = std::string(scheme) + "://" + host + ':' + port;
        for (char &c : origin)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    curl_free(scheme);
    curl_free(host);
    curl_free(port);
    curl_url_cleanup(url);
    return origin;
}

void fail(TallowmereTransferResult *result, TallowmereTransferFailure failure, const char *detail)
{
    result->failure = failure;
    setDetail(result, detail);
}

// Runs the handle as set up; false (with the result filled) when it failed.
bool perform(CURL *curl, Session &session, const char *errorText, TallowmereTransferResult *result)
{
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result->responseCode);
    if (code == CURLE_OK)
        return true;
    if (session.hostKeyRefusal != TallowmereNoFailure) {
        fail(result, session.hostKeyRefusal, "the server's key was not accepted");
        return false;
    }
    if (code == CURLE_ABORTED_BY_CALLBACK && session.quiet) {
        char text[128];
        std::snprintf(text, sizeof text, "nothing came for %ld ms", session.request->timeoutMilliseconds);
        fail(result, TallowmereTimeoutFailure, text);
        return false;
    }
    if (code == CURLE_SSL_CACERT_BADFILE) {
        result->failure = TallowmereTlsFailure;
        describeMissingAuthorities(curl, result);
        return false;
    }
    if (code == CURLE_WRITE_ERROR && session.tooLarge) {
        char text[128];
        std::snprintf(text, sizeof text, "the reply is longer than %zu bytes", session.request->maxReplyBytes);
        fail(result, TallowmereTooLargeFailure, text);
        return false;
    }
    fail(result, failureOf(code), errorText[0] ? errorText : curl_easy_strerror(code));
    return false;
}

// After the file is stored under its temporary name: its size on the server must be
// the local file's, then the finishing commands put it in place.
void finishUpload(CURL *curl, Session &session, const char *errorText, curl_off_t localSize,
                  TallowmereTransferResult *result)
{
    const TallowmereTransferRequest *request = session.request;
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    if (request->verifySize) {
        if (!perform(curl, session, errorText, result))
            return;
        curl_off_t stored = -1;
        curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &stored);
        if (stored != localSize) {
            char text[160];
            if (stored < 0)
                std::snprintf(text, sizeof text, "the server does not tell the size of the stored file");
            else
                std::snprintf(text, sizeof text, "the server holds %lld of its %lld bytes",
                              static_cast<long long>(stored), static_cast<long long>(localSize));
            fail(result, TallowmereVerifyFailure, text);
            return;
        }
    }
    if (request->finishCommandCount <= 0)
        return;
    const List commands = listOf(request->finishCommands, request->finishCommandCount);
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, commands.get());
    perform(curl, session, errorText, result);
    curl_easy_setopt(curl, CURLOPT_POSTQUOTE, nullptr);
}

// A POST is followed only to the scheme, host and port it was meant for: the body
// carries the account, which must not reach another server, nor leave TLS. libcurl
// sends a request again by itself only on a connection it reused; a POST reuses none
// (see below), so one whose reply is lost is reported, never sent twice.
void post(CURL *curl, Session &session, const char *errorText, TallowmereTransferResult *result)
{
    const TallowmereTransferRequest *request = session.request;
    const std::string origin = originOf(request->url);
    std::string address = request->url;
    for (int redirects = 0;; ++redirects) {
        curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
        if (!perform(curl, session, errorText, result) || request->redirectIsReply)
            break;
        char *next = nullptr;
        if (!isRedirect(result->responseCode) || curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &next) != CURLE_OK
            || !next)
            break;
        if (origin.empty() || originOf(next) != origin) {
            char text[400];
            std::snprintf(text, sizeof text,
                          "the service sent the request on to another server or scheme (%.200s%s), and it was "
                          "not sent there",
                          next, std::strlen(next) > 200 ? "..." : "");
            fail(result, TallowmereRedirectFailure, text);
            break;
        }
        if (redirects == 5) {
            fail(result, TallowmereOtherFailure, "the service redirected the request too many times");
            break;
        }
        address = next;
    }
    curl_off_t sent = 0;
    curl_easy_getinfo(curl, CURLINFO_SIZE_UPLOAD_T, &sent);
    result->requestSent = sent >= static_cast<curl_off_t>(request->bodyLength) ? 1 : 0;
}

} // namespace

TALLOWMERE_MODULE_EXPORT void tallowmere_transfer_run(const TallowmereTransferRequest *request,
                                                      TallowmereTransferResult *result)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    result->failure = TallowmereNoFailure;
    result->responseCode = 0;
    result->detail[0] = '\0';
    result->requestSent = 0;
    result->hostKeyLength = 0;
    Session session{request, result};

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
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &session);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &session);
    setTimeouts(curl, request->timeoutMilliseconds);
    // An office whose servers carry certificates of its own authority names that
    // authority's certificate file here, as it does for the curl tool.
    if (const char *authorities = std::getenv("CURL_CA_BUNDLE"); authorities && *authorities)
        curl_easy_setopt(curl, CURLOPT_CAINFO, authorities);

    std::unique_ptr<FILE, FileCloser> file;
    std::unique_ptr<curl_slist, ListCleanup> headers;
    curl_off_t localSize = 0;
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
        localSize = static_cast<curl_off_t>(status.st_size);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, localSize);
        // One "CWD <directory>" as the user wrote it, then the store.
        curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
        if (request->requireTls)
            curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        if (request->knownHostsPath) {
            curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, request->knownHostsPath);
            curl_easy_setopt(curl, CURLOPT_SSH_KEYFUNCTION, checkHostKey);
            curl_easy_setopt(curl, CURLOPT_SSH_KEYDATA, &session);
        }
    } else {
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, request->redirectIsReply ? 0L : 1L);
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
        // Counted from the last byte, the time-out is progress()'s: a reply that trickles
        // in slower than a byte a second still moves.
        if (request->timeoutFromLastByte)
            curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 0L);
        else
            curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, request->timeoutMilliseconds);
        if (request->appendHeader) {
            curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, receiveHeader);
            curl_easy_setopt(curl, CURLOPT_HEADERDATA, &session);
        }
        headers = listOf(request->headers, request->headerCount);
        if (request->kind == TallowmereHttpPost) {
            // The body goes out with the request, without waiting for a go-ahead.
            curl_slist *extended = curl_slist_append(headers.get(), "Expect:");
            if (extended) {
                headers.release();
                headers.reset(extended);
            }
        }
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.get());
    }

    if (request->kind == TallowmereHttpPost) {
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request->bodyLength));
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request->body);
        post(curl, session, errorText, result);
        return;
    }
    if (!perform(curl, session, errorText, result))
        return;
    if (request->kind == TallowmereFtpUpload)
        finishUpload(curl, session, errorText, localSize, result);
}
