#pragma once

// The plain C interface of the transfer module (libtallowmere_transfer.so), which holds
// libcurl so that the program only loads it when a transfer is first made. Both sides
// are built together; the interface stays C so that nothing but these structs crosses.

#include <cstddef>

extern "C" {

enum TallowmereTransferKind {
    TallowmereFtpUpload = 1, // store localPath at url (ftp://, ftps://, sftp://)
    TallowmereHttpGet = 2,
    TallowmereHttpPost = 3,
};

// Why a transfer failed, so the caller can say it in a person's words.
enum TallowmereTransferFailure {
    TallowmereNoFailure = 0,
    TallowmereLocalFileFailure,      // the file to send cannot be read
    TallowmereResolveFailure,        // the host name is unknown
    TallowmereConnectFailure,        // nothing accepts the connection
    TallowmereLoginFailure,          // user name or password refused
    TallowmereRemotePathFailure,     // the remote directory cannot be entered
    TallowmereStoreFailure,          // the server refused to store the file
    TallowmereTimeoutFailure,        // no answer within the time-out
    TallowmereUnsupportedFailure,    // the address's scheme is not available here
    TallowmereAbortedFailure,        // the caller gave up
    TallowmereTlsFailure,            // no encrypted connection could be made
    TallowmereConnectionLostFailure, // the peer closed the connection before its reply was whole
    TallowmereTooLargeFailure,       // the reply is longer than the request allows
    TallowmereRedirectFailure,       // a POST was sent on to another scheme, host or port, and not followed
    TallowmereVerifyFailure,         // the stored file's size differs from the local file's
    TallowmereUnknownHostKeyFailure, // SFTP: the server's key is in no known_hosts line
    TallowmereChangedHostKeyFailure, // SFTP: the server's key differs from the known one
    TallowmereOtherFailure,
};

struct TallowmereTransferRequest
{
    int kind;
    const char *url;       // UTF-8, percent-encoded
    const char *userName;  // UTF-8, or null
    const char *password;  // UTF-8, or null
    const char *localPath; // upload source, in the file system's encoding
    const char *body;      // request body of a POST
    size_t bodyLength;
    const char *const *headers; // "Name: value" lines
    int headerCount;
    long timeoutMilliseconds;
    // HTTP: the time-out counts from the last byte that moved, so a slow but moving
    // reply goes on; otherwise it is the whole exchange's.
    int timeoutFromLastByte;
    // HTTP: a redirect is handed back as the reply and never followed.
    int redirectIsReply;
    void *context; // handed back to the callbacks
    void (*appendBody)(void *context, const char *data, size_t length);
    // HTTP: each line of the replies' headers as it came, the status line of each
    // reply included (a redirect's, a 100 Continue's); null: not wanted. Header bytes
    // count against maxReplyBytes.
    void (*appendHeader)(void *context, const char *line, size_t length);
    int (*shouldAbort)(void *context); // non-zero stops the transfer
    int requireTls;                    // FTP: switch to TLS before logging in, or fail
    size_t maxReplyBytes;              // a longer reply ends the transfer; 0: no limit
    // Upload: once the file is stored at url, its size on the server is compared with
    // the local file's (FTP SIZE) when verifySize is set, then these commands run
    // (the rename of the stored file over the live one).
    int verifySize;
    const char *const *finishCommands;
    int finishCommandCount;
    // SFTP: the known_hosts file the server's key must be found in; nothing is sent
    // to a server whose key is unknown or changed.
    const char *knownHostsPath;
};

struct TallowmereTransferResult
{
    int failure;       // TallowmereTransferFailure
    long responseCode; // last FTP or HTTP status code, 0 when none came
    char detail[512];  // the network library's own description of a failure
    int requestSent;   // non-zero once the whole request (a POST's body) went out
    // SFTP: the key the server presented (its raw blob), when it was refused.
    unsigned char hostKey[2048];
    size_t hostKeyLength;
};

// Runs one transfer to its end on the calling thread.
typedef void (*TallowmereTransferRun)(const TallowmereTransferRequest *request, TallowmereTransferResult *result);
}

#define TALLOWMERE_TRANSFER_RUN_SYMBOL "tallowmere_transfer_run"
