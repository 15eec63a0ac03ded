// SPDX-License-Identifier: MIT
#pragma once
// The web page in a real browser: Debian's headless Chromium, driven through its DevTools protocol
// on a pipe (its descriptors 3 and 4, one JSON message per NUL), the page served on 127.0.0.1
// from CHESS_CHECKERS_WEB_DIR.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "support/squares.h"

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {

// The protocol's messages as printf patterns; no value put in one needs escaping.
inline std::string format(const char* pattern, ...)
{
    char text[1024];
    va_list values;
    va_start(values, pattern);
    std::vsnprintf(text, sizeof text, pattern, values);
    va_end(values);
    return text;
}

// The string named `name` in a reply, with the escapes the page's text has.
inline std::string value(const std::string& reply, const std::string& name)
{
    std::string text;
    std::size_t at = reply.find("\"" + name + "\":\"");
    for (at += at == std::string::npos ? 0 : name.size() + 4; at < reply.size(); ++at) {
        char c = reply[at];
        if (c == '"')
            break;
        if (c == '\\')
            c = reply[++at] == 'n' ? '\n' : reply[at] == 't' ? '\t' : reply[at];
        text += c;
    }
    return text;
}

class page {
public:
    page(int width, int height)
        : width_(width)
        , height_(height)
    {
        int served[2], to[2], from[2];
        if (pipe(served) != 0 || pipe(to) != 0 || pipe(from) != 0)
            throw std::runtime_error("pipe");
        const int quiet = ::open("/dev/null", O_WRONLY);
        server_ = spawn({ "python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                            "--directory", std::getenv("CHESS_CHECKERS_WEB_DIR") },
            served[1], quiet);
        std::vector<std::string> chromium = { "chromium", "--headless", "--remote-debugging-pipe",
            "--no-first-run", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
            "--disable-dev-shm-usage", "--hide-scrollbars" };
        if (geteuid() == 0)
            chromium.push_back("--no-sandbox"); // the sandbox refuses to run as root
        chrome_ = spawn(chromium, -1, quiet, { to[0], from[1] });
        for (int fd : { served[1], to[0], from[1], quiet })
            close(fd);
        to_ = to[1];
        from_ = from[0];
        char line[256] = {}; // "Serving HTTP on 127.0.0.1 port N (...)"
        FILE* announced = fdopen(served[0], "r");
        const bool heard = std::fgets(line, sizeof line, announced) && std::strstr(line, "port ");
        std::fclose(announced);
        if (!heard)
            throw std::runtime_error("no web server");
        const std::string target
            = value(call("Target.createTarget", R"({"url":"about:blank"})"), "targetId");
        session_ = value(call("Target.attachToTarget",
                             format(R"({"targetId":"%s","flatten":true})", target.c_str())),
            "sessionId");
        call("Log.enable");
        setMetrics();
        url_ = format("http://127.0.0.1:%d/", std::atoi(std::strstr(line, "port ") + 5));
        if (!open())
            throw std::runtime_error("the page never showed the board");
    }

    // Loads the page afresh; true once it shows the board (a8 white beside its rook).
    bool open()
    {
        call("Page.navigate", format(R"({"url":"%s"})", url_.c_str()));
        return waitUntil(
            [&] {
                return eval("typeof Module == 'object' && !!Module.ctx") == "true"
                    && pixel(x(0.9f), y(7.9f)) == std::vector<int> { 255, 255, 255 };
            },
            10000, 2);
    }

    ~page()
    {
        // Asked to, the browser takes its helper processes down with it before it ends.
        const char quit[] = R"({"id":0,"method":"Browser.close"})";
        (void)!write(to_, quit, sizeof quit);
        close(to_);
        close(from_);
        waitUntil([&] { return waitpid(chrome_, nullptr, WNOHANG) == chrome_; }, 5000);
        for (pid_t pid : { chrome_, server_ }) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    // Sends a command to the page (or the browser, before the page is attached); its reply.
    std::string call(const std::string& method, const std::string& params = "{}")
    {
        const std::string id = R"({"id":)" + std::to_string(++lastId_) + ",";
        const std::string session = session_.empty() ? "" : R"(,"sessionId":")" + session_ + "\"";
        const std::string message
            = id + R"("method":")" + method + R"(","params":)" + params + session + "}";
        if (write(to_, message.c_str(), message.size() + 1) <= 0)
            throw std::runtime_error("the browser went away");
        for (;;) {
            std::string m = next();
            if (m.rfind(id, 0) == 0 && m.compare(id.size(), 8, "\"error\":") == 0)
                throw std::runtime_error(method + ": " + m);
            if (m.rfind(id, 0) == 0)
                return m;
            if (m.find("\"Log.entryAdded\"") != std::string::npos)
                messages.push_back(m);
        }
    }

    // The expression's value as a string; it must not hold a double quote. A script error fails
    // the test with its text.
    std::string eval(const std::string& expression)
    {
        const std::string reply = call("Runtime.evaluate",
            R"x({"expression":"String()x" + expression + R"x()","returnByValue":true})x");
        EXPECT_EQ(reply.find("exceptionDetails"), std::string::npos) << reply;
        return value(reply, "value");
    }

    // A new size and pixel density for the page; true once the program's window has taken them.
    bool resize(int width, int height, int ratio)
    {
        width_ = width;
        height_ = height;
        ratio_ = ratio;
        setMetrics();
        return waitUntil(
            [&] {
                return eval("Module.canvas.width + 'x' + Module.canvas.height")
                    == format("%dx%d", width * ratio, height * ratio);
            },
            3000);
    }

    void mouse(const char* type, int x, int y, const char* button = "left", int buttons = 1)
    {
        call("Input.dispatchMouseEvent",
            format(R"({"type":"%s","x":%d,"y":%d,"button":"%s","buttons":%d,"clickCount":1})", type,
                x, y, button, buttons));
    }

    void click(int x, int y, const char* button = "left")
    {
        mouse("mousePressed", x, y, button, button[0] == 'r' ? 2 : 1);
        mouse("mouseReleased", x, y, button, 0);
    }

    // A move of a line, from and to each a column and row, grabbed `height` up its square; by a
    // finger instead of the mouse if asked.
    void play(const int (&move)[4], float height, bool byTouch = false)
    {
        const int x0 = x(move[0] + 0.5f), y0 = y(move[1] + height);
        const int x1 = x(move[2] + 0.5f), y1 = y(move[3] + height);
        const char* points = R"({"type":"%s","touchPoints":[{"x":%d,"y":%d}]})";
        if (byTouch) {
            call("Input.dispatchTouchEvent", format(points, "touchStart", x0, y0));
            call("Input.dispatchTouchEvent", format(points, "touchMove", x1, y1));
            call("Input.dispatchTouchEvent", R"({"type":"touchEnd","touchPoints":[]})");
            return;
        }
        mouse("mousePressed", x0, y0);
        for (int i = 1; i <= 4; ++i)
            mouse("mouseMoved", x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
        mouse("mouseReleased", x1, y1, "left", 0);
    }

    // A key as the keyboard gives it: `code` is its Windows key code, which GLUT reads.
    void key(const char* name, int code, int modifiers = 0)
    {
        for (const char* type : { "keyDown", "keyUp" })
            call("Input.dispatchKeyEvent",
                format(R"({"type":"%s","key":"%s","windowsVirtualKeyCode":%d,"modifiers":%d})",
                    type, name, code, modifiers));
    }

    // The numbers in the expression's value, which lists them with commas between.
    std::vector<int> numbers(const std::string& expression)
    {
        std::vector<int> found;
        std::istringstream list(eval(expression));
        for (std::string number; std::getline(list, number, ',');)
            found.push_back(std::stoi(number));
        return found;
    }

    std::string log() { return eval("document.querySelector('[role=log]').textContent"); }

    // What "d" adds to the log panel.
    std::string dump()
    {
        const std::size_t before = log().size();
        key("d", 68);
        return log().substr(before);
    }

    // Opens the menu with the right button and chooses the entry at the end of the path of labels.
    void chooseMenu(const std::vector<std::string>& labels)
    {
        click(100, 100, "right");
        for (const std::string& label : labels) {
            const std::vector<int> at
                = numbers("[...document.querySelectorAll('[role=menuitem]')].map(e => [e, "
                          "e.getBoundingClientRect()]).filter(([e, r]) => e.offsetParent && "
                          "e.firstChild.textContent == '"
                    + label + "').map(([e, r]) => [r.x + 20, r.y + r.height / 2].map(Math.round))");
            mouse("mouseMoved", at.at(0), at.at(1), "none", 0);
            if (&label == &labels.back())
                click(at[0], at[1]);
        }
    }

    // The canvas pixel under a page point, each channel 0 to 255.
    std::vector<int> pixel(int px, int py)
    {
        return numbers(
            format("(() => { const g = Module.ctx, p = new Uint8Array(4); g.readPixels(%d, "
                   "g.drawingBufferHeight - 1 - %d, 1, 1, g.RGBA, g.UNSIGNED_BYTE, p); "
                   "return p.slice(0, 3); })()",
                px * ratio_, py * ratio_));
    }

    bool waitForPixel(int px, int py, const std::vector<int>& colour)
    {
        return waitUntil([&] { return pixel(px, py) == colour; }, 3000, 10);
    }

    // Page points of board points, the board being the page's lower-left square.
    int x(float boardPoint) const { return static_cast<int>(boardPoint * side() / 8); }
    int y(float boardPoint) const { return static_cast<int>(height_ - boardPoint * side() / 8); }

    std::vector<std::string> messages; // the page's log entries

private:
    int side() const { return std::min(width_, height_); }

    void setMetrics()
    {
        call("Emulation.setDeviceMetricsOverride",
            format(R"({"width":%d,"height":%d,"deviceScaleFactor":%d,"mobile":false})", width_,
                height_, ratio_));
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

    int width_, height_, ratio_ = 1;
    pid_t server_ = -1, chrome_ = -1;
    int to_ = -1, from_ = -1;
    int lastId_ = 0;
    std::string session_, pending_, url_;
};

} // namespace e2e
