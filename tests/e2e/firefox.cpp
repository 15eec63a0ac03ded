// SPDX-License-Identifier: MIT
// Firefox ESR through its built-in WebDriver BiDi, on a display (headless, it has no WebGL here).
// Its WebSocket goes through a small relay on Debian's python3-websocket (bidi_relay.py).
#include "e2e/browser.h"

#include "e2e/harness.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace e2e {
namespace {

    class firefox : public engine {
    public:
        firefox()
        {
            char folder[] = "/tmp/chess-checkers-firefox-XXXXXX";
            if (!mkdtemp(folder))
                throw std::runtime_error("no profile folder");
            profile_ = folder;
            // Touch events as a phone's browser has them; the rest as the remote agent sets it.
            std::ofstream(profile_ + "/user.js")
                << "user_pref(\"dom.w3c_touch_events.enabled\", 1);\n";
            const int log
                = ::open((profile_ + "/stderr").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
            const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
            browser_ = spawn({ "firefox-esr", "--remote-debugging-port", "0", "--profile", profile_,
                                 "--no-remote", "--new-instance", "about:blank" },
                quiet, log);
            close(log);
            std::string address;
            waitUntil(
                [&] {
                    std::ifstream said(profile_ + "/stderr");
                    for (std::string line; std::getline(said, line);)
                        if (line.find("listening on ws://") != std::string::npos)
                            address = line.substr(line.find("ws://")) + "/session";
                    return !address.empty();
                },
                30000, 50);
            if (address.empty())
                throw std::runtime_error("Firefox never listened for WebDriver BiDi");
            int to[2], from[2];
            if (pipe2(to, O_CLOEXEC) != 0 || pipe2(from, O_CLOEXEC) != 0)
                throw std::runtime_error("pipe");
            relay_ = spawn({ "/usr/bin/python3", BIDI_RELAY, address }, from[1], -1, { to[0] });
            close(quiet);
            close(to[0]);
            close(from[1]);
            to_ = to[1];
            from_ = from[0];
            call("session.new", { { "capabilities", json::object() } });
            call("session.subscribe", { { "events", { "log.entryAdded" } } });
            context_ = call("browsingContext.getTree", json::object())["contexts"][0]["context"];
        }

        ~firefox() override
        {
            try {
                call("browser.close", json::object());
            } catch (const std::exception&) {
            }
            close(to_);
            close(from_);
            reap(relay_, 2000);
            reap(browser_, 10000);
            std::filesystem::remove_all(profile_);
        }

        void navigate(const std::string& url) override
        {
            call("browsingContext.navigate",
                { { "context", context_ }, { "url", url }, { "wait", "complete" } });
        }

        json evaluate(const std::string& expression) override
        {
            const json reply = call("script.evaluate",
                { { "expression", "JSON.stringify(" + expression + ") ?? 'null'" },
                    { "target", { { "context", context_ } } }, { "awaitPromise", true } });
            if (reply["type"] != "success")
                throw std::runtime_error(reply.dump());
            return json::parse(reply["result"]["value"].get<std::string>());
        }

        void perform(const json& sources) override
        {
            call("input.performActions", { { "context", context_ }, { "actions", sources } });
        }

        void viewport(int width, int height, int ratio) override
        {
            call("browsingContext.setViewport",
                { { "context", context_ },
                    { "viewport", { { "width", width }, { "height", height } } },
                    { "devicePixelRatio", ratio } });
        }

        std::string screenshot() override
        {
            return call("browsingContext.captureScreenshot", { { "context", context_ } })["data"];
        }

        json command(const std::string& method, const json& params) override
        {
            return call(method, params);
        }
        std::vector<std::string> errors() override { return errors_; }

    private:
        json call(const std::string& method, const json& params)
        {
            const std::string text
                = json { { "id", ++lastId_ }, { "method", method }, { "params", params } }.dump()
                + "\n";
            if (write(to_, text.c_str(), text.size()) <= 0)
                throw std::runtime_error("Firefox went away");
            for (;;) {
                const json m = json::parse(readLineWith(from_, "", 30000));
                if (m.value("id", -1) == lastId_ && m["type"] == "error")
                    throw std::runtime_error(method + ": " + m.dump());
                if (m.value("id", -1) == lastId_)
                    return m["result"];
                if (m.value("method", "") == "log.entryAdded" && m["params"]["level"] == "error")
                    errors_.push_back(m["params"].value("text", m["params"].dump()));
            }
        }

        std::string profile_, context_;
        pid_t browser_ = -1, relay_ = -1;
        int to_ = -1, from_ = -1, lastId_ = 0;
        std::vector<std::string> errors_;
    };

} // namespace

std::unique_ptr<engine> launchFirefox() { return std::make_unique<firefox>(); }

} // namespace e2e
