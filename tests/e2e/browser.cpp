// SPDX-License-Identifier: MIT
// The page's helpers over any engine, and what the drivers share.
#include "e2e/browser.h"

#include "e2e/harness.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {

std::unique_ptr<engine> launchChromium();
std::unique_ptr<engine> launchFirefox();
std::unique_ptr<engine> launchWebkit();

std::unique_ptr<engine> launch(const std::string& name)
{
    if (name == "chromium")
        return launchChromium();
    if (name == "firefox")
        return launchFirefox();
    if (name == "webkit")
        return launchWebkit();
    throw std::invalid_argument("no engine " + name);
}

std::string readLineWith(int fd, const std::string& text, int timeoutMs)
{
    std::string line;
    for (char c;;) {
        pollfd p { fd, POLLIN, 0 };
        if (poll(&p, 1, timeoutMs) != 1 || read(fd, &c, 1) != 1)
            throw std::runtime_error("never read a line with " + text);
        if (c != '\n') {
            line += c;
        } else if (line.find(text) != std::string::npos) {
            return line;
        } else {
            line.clear();
        }
    }
}

void reap(pid_t pid, int graceMs)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    if (!waitUntil([&] { return waitpid(pid, nullptr, WNOHANG) == pid; }, graceMs)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

page::page(const std::string& engineName, int width, int height)
    : name(engineName)
    , width_(width)
    , height_(height)
{
    const char* folder = std::getenv("CHESS_CHECKERS_WEB_DIR");
    if (!folder || !*folder)
        throw std::runtime_error("CHESS_CHECKERS_WEB_DIR names no folder: run make test-web");
    int served[2];
    if (pipe2(served, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    server_ = spawn(
        { "python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", folder },
        served[1], quiet);
    close(served[1]);
    close(quiet);
    const std::string line = readLineWith(served[0], "port ", 10000); // "Serving HTTP on ..."
    close(served[0]);
    url_ = "http://127.0.0.1:" + std::to_string(std::atoi(line.c_str() + line.find("port ") + 5))
        + "/";
    browser = launch(name);
    browser->viewport(width_, height_, ratio_);
    if (!open())
        throw std::runtime_error(name + ": the page never showed the board");
}

page::~page()
{
    browser.reset();
    reap(server_, 0);
}

bool page::open(const std::string& url)
{
    browser->navigate(url.empty() ? url_ : url);
    return waitUntil(
        [&] {
            try {
                return eval("typeof Module == 'object' && !!Module.ctx") == "true"
                    && pixel(x(0.9f), y(7.9f)) == std::vector<int> { 255, 255, 255 };
            } catch (const std::exception&) {
                return false; // the page still loading
            }
        },
        15000, 20);
}

void page::stopServer()
{
    reap(server_, 0);
    server_ = -1;
}

std::string page::eval(const std::string& expression)
{
    return browser->evaluate("String(" + expression + ")").get<std::string>();
}

bool page::resize(int width, int height, int ratio)
{
    ratio_ = browser->ratios() ? ratio : 1;
    browser->viewport(width, height, ratio_);
    // What the engine gave: a window of the browser's own may not go as small as asked.
    const std::vector<int> inner = browser->evaluate("[innerWidth, innerHeight]");
    width_ = inner.at(0);
    height_ = inner.at(1);
    const std::string wanted
        = std::to_string(width_ * ratio_) + "x" + std::to_string(height_ * ratio_);
    return waitUntil(
        [&] { return eval("Module.canvas.width + 'x' + Module.canvas.height") == wanted; }, 5000);
}

void page::pointer(const char* type, const json& actions)
{
    browser->perform(json::array({ { { "type", "pointer" }, { "id", type },
        { "parameters", { { "pointerType", type } } }, { "actions", actions } } }));
}

void page::click(int px, int py, int button)
{
    pointer("mouse",
        json::array({ { { "type", "pointerMove" }, { "x", px }, { "y", py } },
            { { "type", "pointerDown" }, { "button", button } },
            { { "type", "pointerUp" }, { "button", button } } }));
}

void page::touch(int px, int py, int holdMs)
{
    pointer("touch",
        json::array({ { { "type", "pointerMove" }, { "x", px }, { "y", py } },
            { { "type", "pointerDown" }, { "button", 0 } },
            { { "type", "pause" }, { "duration", holdMs } },
            { { "type", "pointerUp" }, { "button", 0 } } }));
}

void page::keys(const std::vector<std::string>& values)
{
    json actions = json::array();
    for (const std::string& v : values)
        actions.push_back({ { "type", "keyDown" }, { "value", v } });
    for (auto v = values.rbegin(); v != values.rend(); ++v)
        actions.push_back({ { "type", "keyUp" }, { "value", *v } });
    browser->perform(
        json::array({ { { "type", "key" }, { "id", "keys" }, { "actions", actions } } }));
}

void page::play(const int (&move)[4], float height, bool byTouch, int steps, int stepMs)
{
    const int x0 = x(move[0] + 0.5f), y0 = y(move[1] + height);
    const int x1 = x(move[2] + 0.5f), y1 = y(move[3] + height);
    json actions = json::array({ { { "type", "pointerMove" }, { "x", x0 }, { "y", y0 } },
        { { "type", "pointerDown" }, { "button", 0 } } });
    for (int i = 1; i <= steps; ++i)
        actions.push_back({ { "type", "pointerMove" }, { "duration", stepMs },
            { "x", x0 + (x1 - x0) * i / steps }, { "y", y0 + (y1 - y0) * i / steps } });
    actions.push_back({ { "type", "pointerUp" }, { "button", 0 } });
    pointer(byTouch ? "touch" : "mouse", actions);
}

std::vector<int> page::entry(const std::string& label)
{
    const json at = browser->evaluate(
        "[...document.querySelectorAll('[role=menuitem]')].filter(e => e.offsetParent && "
        "getComputedStyle(e).visibility == 'visible' && e.firstChild.textContent == "
        + json(label).dump()
        + ").map(e => e.getBoundingClientRect()).map(r => [r.x + 20, r.y + r.height / "
          "2].map(Math.round))[0] || []");
    return at.get<std::vector<int>>();
}

void page::chooseMenu(const std::vector<std::string>& labels, int px, int py, int button)
{
    click(px, py, button);
    for (const std::string& label : labels) {
        std::vector<int> at;
        waitUntil([&] { return !(at = entry(label)).empty(); }, 2000);
        if (at.empty()) {
            snapshot("no-entry");
            throw std::runtime_error("no menu entry " + label);
        }
        pointer("mouse",
            json::array({ { { "type", "pointerMove" }, { "x", at[0] }, { "y", at[1] } } }));
        click(at[0], at[1]); // a submenu that opens in place of its parent waits for it
    }
}

std::string page::log() { return eval("document.getElementById('log').textContent"); }

std::string page::dump()
{
    const std::size_t before = log().size();
    key("d");
    std::string now;
    waitUntil([&] { return (now = log()).size() > before && now.back() == '\n'; }, 2000);
    return now.substr(before);
}

std::vector<int> page::pixel(int px, int py)
{
    const std::string read = "(() => { const g = Module.ctx, p = new Uint8Array(4); g.readPixels("
        + std::to_string(px * ratio_) + ", g.drawingBufferHeight - 1 - "
        + std::to_string(py * ratio_)
        + ", 1, 1, g.RGBA, g.UNSIGNED_BYTE, p); return [...p.slice(0, 3)]; })()";
    return browser->evaluate(read).get<std::vector<int>>();
}

bool page::waitForPixel(int px, int py, const std::vector<int>& colour)
{
    return waitUntil([&] { return pixel(px, py) == colour; }, 3000, 10);
}

void page::snapshot(const std::string& what)
{
    const char* folder = std::getenv("CHESS_CHECKERS_WEB_SHOTS");
    const std::string png = folder ? folder + ("/" + name + "-" + what + ".png") : "";
    if (FILE* decode = folder ? popen(("base64 -d >" + png).c_str(), "w") : nullptr) {
        std::fputs(browser->screenshot().c_str(), decode);
        pclose(decode);
    }
}

} // namespace e2e
