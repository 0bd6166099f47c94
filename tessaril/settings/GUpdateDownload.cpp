#include "GUpdateDownload.h"

#include "codepage.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>

namespace {

constexpr long kStatusOk = 200;
constexpr long kStatusNoResponse = 404;
// A server that stops answering must not keep the download thread, which the module waits for at
// unload, forever.
constexpr long kConnectTimeoutSeconds = 30;
constexpr long kStalledSeconds = 60;

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// libcurl stays initialised for the rest of the process: a download may still be finishing while the
// module's statics are destroyed.
bool initialiseCurl()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return initialised;
}

FileHandle createFile(const std::filesystem::path& file)
{
    return FileHandle(std::fopen(file.c_str(), "wb"));
}

// The file is created only once the answer is known to be 200, so that any other answer leaves it alone.
struct Transfer {
    CURL* curl = nullptr;
    const std::filesystem::path* path = nullptr;
    FileHandle file;
    bool refused = false;

    bool open()
    {
        if (!file && !refused) {
            file = createFile(*path);
            refused = !file;
        }
        return static_cast<bool>(file);
    }

    static std::size_t receive(char* data, std::size_t size, std::size_t count, void* context)
    {
        auto& transfer = *static_cast<Transfer*>(context);
        long status = 0;
        curl_easy_getinfo(transfer.curl, CURLINFO_RESPONSE_CODE, &status);
        if (status != kStatusOk || !transfer.open())
            return 0;
        return std::fwrite(data, size, count, transfer.file.get()) * size;
    }
};

} // namespace

bool downloadFile(const CString& address, const std::filesystem::path& file, long& httpStatus)
{
    httpStatus = kStatusNoResponse;
    if (!initialiseCurl())
        return false;
    const std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return false;

    std::unique_ptr<curl_slist, HeaderListDeleter> headers;
    for (const char* header : {"Cache-Control: no-cache", "Pragma: no-cache"}) {
        curl_slist* extended = curl_slist_append(headers.get(), header);
        if (extended == nullptr)
            return false;
        static_cast<void>(headers.release());
        headers.reset(extended);
    }

    const std::string url = cadhost::toUtf8(address.str());
    Transfer transfer{curl.get(), &file, nullptr, false};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "Tessaril");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Transfer::receive);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);

    const CURLcode performed = curl_easy_perform(handle);
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status == 0)
        return false;
    httpStatus = status;
    if (status != kStatusOk || performed != CURLE_OK || !transfer.open())
        return false;
    return std::fclose(transfer.file.release()) == 0;
}
