// SPDX-License-Identifier: MIT
// WebKitGTK's MiniBrowser through WebKitWebDriver (WebDriver over HTTP, through libcurl), on a
// display. It plays a touch pointer as the mouse and has one pixel density, so neither is asked
// of it; it reports no console, so the page's errors are gathered by a script put in the page.
#include "e2e/browser.h"

#include "e2e/harness.h"

#include <algorithm>
#include <curl/curl.h>
#include <fcntl.h>
#include <glob.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace e2e {
namespace {

    // A port nobody listens on now.
    int freePort()
    {
        const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(s, reinterpret_cast<sockaddr*>(&address), size);
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
        close(s);
        return ntohs(address.sin_port);
    }

    std::string miniBrowser()
    {
        glob_t found {};
        glob("/usr/lib/*/webkit*gtk-*/MiniBrowser", 0, nullptr, &found);
        const std::string path = found.gl_pathc ? found.gl_pathv[0] : "";
        globfree(&found);
        if (path.empty())
            throw std::runtime_error("no MiniBrowser: install webkit2gtk-driver");
        return path;
    }

    size_t collect(char* data, size_t size, size_t count, void* text)
    {
        static_cast<std::string*>(text)->append(data, size * count);
        return size * count;
    }

    // Console errors and uncaught exceptions, kept by the page from when it is asked.
    const char gatherErrors[]
        = "(() => { if (window.seenErrors) return; window.seenErrors = []; "
          "addEventListener('error', e => seenErrors.push(String(e.message))); "
          "const error = console.error; console.error = (...a) => "
          "{ seenErrors.push(a.join(' ')); error(...a); }; })()";

    class webkit : public engine {
    public:
        webkit()
            : curl_(curl_easy_init())
        {
            const int port = freePort();
            const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
            driver_ = spawn({ "WebKitWebDriver", "--port=" + std::to_string(port) }, quiet, quiet);
            close(quiet);
            base_ = "http://127.0.0.1:" + std::to_string(port);
            const auto ready = [&] {
                try {
                    return request("GET", "/status").value("ready", false);
                } catch (const std::exception&) {
                    return false; // not listening yet
                }
            };
            if (!waitUntil(ready, 10000, 50))
                throw std::runtime_error("WebKitWebDriver never got ready");
            const json options = { { "binary", miniBrowser() }, { "args", { "--automation" } } };
            base_ += "/session/"
                + request("POST", "/session",
                    { { "capabilities",
                        { { "alwaysMatch",
                            { { "webkitgtk:browserOptions", options } } } } } })["sessionId"]
                      .get<std::string>();
        }

        ~webkit() override
        {
            try {
                request("DELETE", "");
            } catch (const std::exception&) {
            }
            reap(driver_, 5000);
            curl_easy_cleanup(curl_);
        }

        void navigate(const std::string& url) override
        {
            request("POST", "/url", { { "url", url } });
            evaluate(gatherErrors);
        }

        json evaluate(const std::string& expression) override
        {
            return request("POST", "/execute/sync",
                { { "script", "return (" + expression + ");" }, { "args", json::array() } });
        }

        void perform(const json& sources) override
        {
            request("POST", "/actions", { { "actions", sources } });
        }

        // The window's size for that of the page inside it: the browser's own bars are measured.
        // The page takes a new size a moment after the driver answers, and the bars only take
        // room; a window that cannot go as small as asked stays as it is.
        void viewport(int width, int height, int) override
        {
            const auto measure
                = [&] { return evaluate("[innerWidth, innerHeight]").get<std::vector<int>>(); };
            std::vector<int> inner = measure(), before;
            for (int i = 0, extraX = 0, extraY = 0;
                 i < 3 && inner != std::vector<int> { width, height }; ++i) {
                request("POST", "/window/rect",
                    { { "width", width + extraX }, { "height", height + extraY } });
                before = inner;
                waitUntil([&] { return (inner = measure()) != before; }, 1000);
                extraX = std::max(0, extraX + width - inner[0]);
                extraY = std::max(0, extraY + height - inner[1]);
            }
        }

        std::string screenshot() override { return request("GET", "/screenshot"); }

        json command(const std::string& path, const json& body) override
        {
            return request("POST", path, body);
        }

        std::vector<std::string> errors() override
        {
            return evaluate("window.seenErrors || []").get<std::vector<std::string>>();
        }
        bool touches() const override { return false; }
        bool ratios() const override { return false; }

    private:
        // A WebDriver command's value; a reply of an error throws it.
        json request(const std::string& method, const std::string& path, const json& body = nullptr)
        {
            std::string reply, sent = body.is_null() ? "" : body.dump();
            curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
            curl_easy_reset(curl_);
            curl_easy_setopt(curl_, CURLOPT_URL, (base_ + path).c_str());
            curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, method.c_str());
            curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers);
            if (method == "POST")
                curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, sent.c_str());
            curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, collect);
            curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &reply);
            curl_easy_setopt(curl_, CURLOPT_TIMEOUT, 60L);
            const CURLcode done = curl_easy_perform(curl_);
            curl_slist_free_all(headers);
            if (done != CURLE_OK)
                throw std::runtime_error(method + " " + path + ": " + curl_easy_strerror(done));
            const json answer = json::parse(reply);
            if (answer["value"].is_object() && answer["value"].contains("error"))
                throw std::runtime_error(method + " " + path + ": " + answer["value"].dump());
            return answer["value"];
        }

        CURL* curl_;
        pid_t driver_ = -1;
        std::string base_;
    };

} // namespace

std::unique_ptr<engine> launchWebkit() { return std::make_unique<webkit>(); }

} // namespace e2e
