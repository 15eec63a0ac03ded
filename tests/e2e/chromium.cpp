// SPDX-License-Identifier: MIT
// Debian's headless Chromium through its DevTools protocol on a pipe (its descriptors 3 and 4,
// one JSON message per NUL). Input is translated from WebDriver actions to the protocol's events.
#include "e2e/browser.h"

#include "e2e/harness.h"

#include <fcntl.h>
#include <map>
#include <poll.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace e2e {
namespace {

    // WebDriver key values and what the protocol needs of each: its key name and Windows key code.
    const std::map<std::string, std::pair<const char*, int>> namedKeys = {
        { u8"\uE00C", { "Escape", 27 } },
        { u8"\uE007", { "Enter", 13 } },
        { u8"\uE00A", { "Alt", 18 } },
        { u8"\uE008", { "Shift", 16 } },
        { u8"\uE03A", { "F10", 121 } },
        { u8"\uE015", { "ArrowDown", 40 } },
        { u8"\uE013", { "ArrowUp", 38 } },
        { u8"\uE014", { "ArrowRight", 39 } },
        { u8"\uE012", { "ArrowLeft", 37 } },
        { u8"\uE011", { "Home", 36 } },
        { u8"\uE010", { "End", 35 } },
    };
    const std::map<std::string, int> modifierBits = { { "Alt", 1 }, { "Shift", 8 } };

    class chromium : public engine {
    public:
        chromium()
        {
            int to[2], from[2];
            if (pipe2(to, O_CLOEXEC) != 0 || pipe2(from, O_CLOEXEC) != 0)
                throw std::runtime_error("pipe");
            const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
            std::vector<std::string> argv = { "chromium", "--headless", "--remote-debugging-pipe",
                "--no-first-run", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                "--disable-dev-shm-usage", "--hide-scrollbars", "--disable-background-networking",
                "--disable-component-update", "--disable-sync" };
            if (geteuid() == 0)
                argv.push_back("--no-sandbox"); // the sandbox refuses to run as root
            pid_ = spawn(argv, -1, quiet, { to[0], from[1] });
            for (int fd : { to[0], from[1], quiet })
                close(fd);
            to_ = to[1];
            from_ = from[0];
            const std::string target
                = call("Target.createTarget", { { "url", "about:blank" } })["targetId"];
            session_ = call("Target.attachToTarget",
                { { "targetId", target }, { "flatten", true } })["sessionId"];
            for (const char* domain : { "Runtime.enable", "Log.enable", "Page.enable" })
                call(domain);
        }

        ~chromium() override
        {
            // Asked to, the browser takes its helper processes down with it before it ends.
            const std::string quit = json { { "id", 0 }, { "method", "Browser.close" } }.dump();
            (void)!write(to_, quit.c_str(), quit.size() + 1);
            close(to_);
            close(from_);
            reap(pid_, 5000);
        }

        void navigate(const std::string& url) override
        {
            call("Page.navigate", { { "url", url } });
        }

        json evaluate(const std::string& expression) override
        {
            const json reply = call("Runtime.evaluate",
                { { "expression", expression }, { "returnByValue", true },
                    { "awaitPromise", true } });
            if (reply.contains("exceptionDetails"))
                throw std::runtime_error(reply["exceptionDetails"].dump());
            return reply["result"].value("value", json());
        }

        void perform(const json& sources) override
        {
            for (const json& source : sources) {
                for (const json& action : source["actions"]) {
                    if (action["type"] == "pause")
                        std::this_thread::sleep_for(
                            std::chrono::milliseconds(action.value("duration", 0)));
                    else if (source["type"] == "key")
                        key(action);
                    else
                        pointer(action, source["parameters"]["pointerType"] == "touch");
                }
            }
        }

        void viewport(int width, int height, int ratio) override
        {
            call("Emulation.setDeviceMetricsOverride",
                { { "width", width }, { "height", height }, { "deviceScaleFactor", ratio },
                    { "mobile", false } });
        }

        std::string screenshot() override
        {
            return call("Page.captureScreenshot", { { "format", "png" } })["data"];
        }

        json command(const std::string& method, const json& params) override
        {
            return call(method, params);
        }
        std::vector<std::string> errors() override { return errors_; }

    private:
        // A mouse or a finger, each action as the protocol's event of the same moment.
        void pointer(const json& action, bool touch)
        {
            static const std::map<std::string, std::pair<const char*, const char*>> events = {
                { "pointerMove", { "mouseMoved", "touchMove" } },
                { "pointerDown", { "mousePressed", "touchStart" } },
                { "pointerUp", { "mouseReleased", "touchEnd" } },
            };
            const std::string type = action["type"];
            x_ = action.value("x", x_);
            y_ = action.value("y", y_);
            const int button = action.value("button", 0), bit = 1 << (button == 1 ? 2 : button / 2);
            buttons_ = type == "pointerDown" ? buttons_ | bit
                : type == "pointerUp"        ? buttons_ & ~bit
                                             : buttons_;
            const char* event = touch ? events.at(type).second : events.at(type).first;
            if (touch && (type != "pointerMove" || buttons_))
                call("Input.dispatchTouchEvent",
                    { { "type", event },
                        { "touchPoints",
                            buttons_ ? json::array({ { { "x", x_ }, { "y", y_ } } })
                                     : json::array() } });
            else if (!touch)
                call("Input.dispatchMouseEvent",
                    { { "type", event }, { "x", x_ }, { "y", y_ }, { "buttons", buttons_ },
                        { "button",
                            type == "pointerMove" ? "none"
                                : button == 0     ? "left"
                                : button == 1     ? "middle"
                                                  : "right" },
                        { "clickCount", type == "pointerMove" ? 0 : 1 },
                        { "modifiers", modifiers_ } });
        }

        void key(const json& action)
        {
            const std::string value = action["value"];
            const bool down = action["type"] == "keyDown";
            json event = { { "type", down ? "keyDown" : "keyUp" } };
            if (auto named = namedKeys.find(value); named != namedKeys.end()) {
                event["key"] = named->second.first;
                event["windowsVirtualKeyCode"] = named->second.second;
                if (auto bit = modifierBits.find(named->second.first); bit != modifierBits.end())
                    modifiers_ = down ? modifiers_ | bit->second : modifiers_ & ~bit->second;
                if (value == u8"\uE007" && down)
                    event["text"] = "\r";
            } else {
                event["key"] = value;
                event["windowsVirtualKeyCode"] = std::toupper(static_cast<unsigned char>(value[0]));
                if (down && !(modifiers_ & 1))
                    event["text"] = value;
            }
            event["modifiers"] = modifiers_;
            call("Input.dispatchKeyEvent", event);
        }

        json call(const std::string& method, const json& params = json::object())
        {
            json message = { { "id", ++lastId_ }, { "method", method }, { "params", params } };
            if (!session_.empty())
                message["sessionId"] = session_;
            const std::string text = message.dump();
            if (write(to_, text.c_str(), text.size() + 1) <= 0)
                throw std::runtime_error("the browser went away");
            for (;;) {
                const json m = json::parse(next());
                if (m.value("id", -1) == lastId_ && m.contains("error"))
                    throw std::runtime_error(method + ": " + m["error"].dump());
                if (m.value("id", -1) == lastId_)
                    return m["result"];
                note(m);
            }
        }

        // Errors as the page reports them: uncaught exceptions, console errors, the browser's own.
        void note(const json& m)
        {
            const std::string method = m.value("method", "");
            const json& p = m.contains("params") ? m["params"] : json();
            if (method == "Runtime.exceptionThrown")
                errors_.push_back(p["exceptionDetails"].dump());
            else if (method == "Runtime.consoleAPICalled" && p["type"] == "error")
                errors_.push_back(p["args"].dump());
            else if (method == "Log.entryAdded" && p["entry"]["level"] == "error")
                errors_.push_back(p["entry"]["text"]);
        }

        std::string next()
        {
            std::size_t end;
            while ((end = pending_.find('\0')) == std::string::npos) {
                pollfd p { from_, POLLIN, 0 };
                char buffer[65536];
                const ssize_t n = poll(&p, 1, 20000) == 1 ? read(from_, buffer, sizeof buffer) : 0;
                if (n <= 0)
                    throw std::runtime_error("no answer from the browser");
                pending_.append(buffer, static_cast<std::size_t>(n));
            }
            std::string message = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return message;
        }

        pid_t pid_ = -1;
        int to_ = -1, from_ = -1, lastId_ = 0;
        int x_ = 0, y_ = 0, buttons_ = 0, modifiers_ = 0;
        std::string session_, pending_;
        std::vector<std::string> errors_;
    };

} // namespace

std::unique_ptr<engine> launchChromium() { return std::make_unique<chromium>(); }

} // namespace e2e
