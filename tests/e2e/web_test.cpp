// SPDX-License-Identifier: MIT
// The web page in a real browser: Debian's headless Chromium, driven through its DevTools protocol
// on a pipe (its descriptors 3 and 4, one JSON message per NUL), the page served on 127.0.0.1.
#include <gtest/gtest.h>

#include "e2e/board_view.h"
#include "e2e/harness.h"
#include "support/dumps.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace e2e;

std::string jsonString(const std::string& text)
{
    std::string json = "\"";
    for (char c : text)
        json += c == '"' ? "\\\"" : c == '\\' ? "\\\\" : c == '\n' ? "\\n" : std::string(1, c);
    return json + "\"";
}

// The JSON string that starts at `at` (its opening quote), unescaped; enough for what pages say.
std::string unquoted(const std::string& json, std::size_t at)
{
    std::string text;
    for (std::size_t i = at + 1; i < json.size() && json[i] != '"'; ++i) {
        if (json[i] != '\\') {
            text += json[i];
            continue;
        }
        const char c = json[++i];
        text += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'u' ? '?' : c;
        i += c == 'u' ? 4 : 0;
    }
    return text;
}

// Reads one line from a child's output: the port a server announces.
std::string readLine(int fd)
{
    std::string line;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

class page {
public:
    page(int width, int height, double ratio)
        : width_(width)
        , height_(height)
        , ratio_(ratio)
    {
        int out[2], toChrome[2], fromChrome[2];
        if (pipe(out) != 0 || pipe(toChrome) != 0 || pipe(fromChrome) != 0)
            throw std::runtime_error("pipe");
        server_ = spawn({ "python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                            "--directory", std::getenv("CHESS_CHECKERS_WEB_DIR") },
            out[1], open("/dev/null", O_WRONLY));
        close(out[1]);
        const std::string served = readLine(out[0]); // "Serving HTTP on 127.0.0.1 port N (...)"
        close(out[0]);
        const std::string port = served.substr(served.find("port ") + 5);
        std::vector<std::string> command = { "chromium", "--headless", "--remote-debugging-pipe",
            "--user-data-dir=" + profile(), "--no-first-run", "--use-angle=swiftshader",
            "--enable-unsafe-swiftshader", "--disable-dev-shm-usage", "--hide-scrollbars" };
        if (geteuid() == 0)
            command.push_back("--no-sandbox"); // the sandbox refuses to run as root
        chrome_ = spawn(command, -1, open("/dev/null", O_WRONLY), { toChrome[0], fromChrome[1] });
        close(toChrome[0]);
        close(fromChrome[1]);
        to_ = toChrome[1];
        from_ = fromChrome[0];
        const std::string target
            = value(call("Target.createTarget", "{\"url\":\"about:blank\"}"), "targetId");
        session_ = value(call("Target.attachToTarget",
                             "{\"targetId\":" + jsonString(target) + ",\"flatten\":true}"),
            "sessionId");
        call("Runtime.enable");
        call("Log.enable");
        resize(width, height);
        const auto start = std::chrono::steady_clock::now();
        call("Page.navigate",
            "{\"url\":\"http://127.0.0.1:" + port.substr(0, port.find(' ')) + "/\"}");
        if (!waitUntil(
                [&] {
                    return eval("typeof Module == 'object' && !!Module.ctx") == "true"
                        && pixel(boardX(0.05f), boardY(0.05f))[2] == 0;
                },
                10000, 5))
            throw std::runtime_error("the board never showed");
        firstFrameMs
            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count();
    }

    ~page()
    {
        // Asked to, the browser takes its helper processes down with it before it ends.
        session_.clear();
        try {
            call("Browser.close");
        } catch (const std::exception&) {
        }
        close(to_);
        close(from_);
        waitUntil([&] { return waitpid(chrome_, nullptr, WNOHANG) == chrome_; }, 5000);
        for (pid_t pid : { chrome_, server_ }) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        std::system(("rm -rf " + profile()).c_str());
    }

    // Sends a command to the page (or the browser, before the page is attached); its reply.
    std::string call(const std::string& method, const std::string& params = "{}")
    {
        const int id = ++lastId_;
        std::string message = "{\"id\":" + std::to_string(id) + ",\"method\":\"" + method
            + "\",\"params\":" + params;
        if (!session_.empty())
            message += ",\"sessionId\":" + jsonString(session_);
        message += "}";
        if (write(to_, message.c_str(), message.size() + 1)
            != static_cast<ssize_t>(message.size() + 1))
            throw std::runtime_error("the browser went away");
        const std::string reply = "{\"id\":" + std::to_string(id) + ",";
        for (;;) {
            std::string m = next();
            if (m.rfind(reply, 0) != 0) {
                if (m.find("\"method\":\"Runtime.exceptionThrown\"") != std::string::npos
                    || m.find("\"method\":\"Log.entryAdded\"") != std::string::npos)
                    messages.push_back(m);
                continue;
            }
            if (m.compare(reply.size(), 8, "\"error\":") == 0)
                throw std::runtime_error(method + ": " + m);
            return m;
        }
    }

    // The expression's value as a string; a script error fails the test with its text.
    std::string eval(const std::string& expression)
    {
        const std::string reply = call("Runtime.evaluate",
            "{\"expression\":" + jsonString("String(" + expression + ")")
                + ",\"returnByValue\":true}");
        EXPECT_EQ(reply.find("exceptionDetails"), std::string::npos) << reply;
        return value(reply, "value");
    }

    void resize(int width, int height)
    {
        width_ = width;
        height_ = height;
        call("Emulation.setDeviceMetricsOverride",
            "{\"width\":" + std::to_string(width) + ",\"height\":" + std::to_string(height)
                + ",\"deviceScaleFactor\":" + std::to_string(ratio_) + ",\"mobile\":false}");
    }

    // Waits until the program has taken the page's size as its window's.
    bool windowFitsPage()
    {
        const std::string size = std::to_string(static_cast<int>(width_ * ratio_)) + "x"
            + std::to_string(static_cast<int>(height_ * ratio_));
        return waitUntil(
            [&] { return eval("Module.canvas.width + 'x' + Module.canvas.height") == size; }, 3000);
    }

    void mouse(const std::string& type, int x, int y, const std::string& button = "left",
        int modifiers = 0)
    {
        const bool held = type == "mousePressed" || (type == "mouseMoved" && button != "none");
        call("Input.dispatchMouseEvent",
            "{\"type\":\"" + type + "\",\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y)
                + ",\"button\":\"" + button
                + "\",\"buttons\":" + (held ? (button == "right" ? "2" : "1") : "0")
                + ",\"clickCount\":1,\"modifiers\":" + std::to_string(modifiers) + "}");
    }

    void drag(int x0, int y0, int x1, int y1)
    {
        mouse("mousePressed", x0, y0);
        for (int i = 1; i <= 4; ++i)
            mouse("mouseMoved", x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
        mouse("mouseReleased", x1, y1);
    }

    void dragPiece(int fromColumn, int fromRow, int toColumn, int toRow, float height)
    {
        drag(x(fromColumn + 0.5f), y(fromRow + height), x(toColumn + 0.5f), y(toRow + height));
    }

    void touchDrag(int x0, int y0, int x1, int y1)
    {
        auto touch = [&](const char* type, int x, int y) {
            call("Input.dispatchTouchEvent",
                std::string("{\"type\":\"") + type + "\",\"touchPoints\":["
                    + (x < 0 ? ""
                             : "{\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) + "}")
                    + "]}");
        };
        touch("touchStart", x0, y0);
        touch("touchMove", (x0 + x1) / 2, (y0 + y1) / 2);
        touch("touchMove", x1, y1);
        touch("touchEnd", -1, -1);
    }

    // A key as the keyboard gives it: `code` is its Windows key code, which GLUT reads.
    void key(const std::string& name, int code, int modifiers = 0)
    {
        const std::string text
            = name.size() == 1 && !modifiers ? ",\"text\":" + jsonString(name) : "";
        const std::string params = ",\"key\":" + jsonString(name) + ",\"windowsVirtualKeyCode\":"
            + std::to_string(code) + ",\"modifiers\":" + std::to_string(modifiers) + "}";
        call("Input.dispatchKeyEvent", "{\"type\":\"keyDown\"" + text + params);
        call("Input.dispatchKeyEvent", "{\"type\":\"keyUp\"" + params);
    }

    // The log panel's text.
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
        mouse("mousePressed", 100, 100, "right");
        mouse("mouseReleased", 100, 100, "right");
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const std::string at = eval(
                "(() => { const e = [...document.querySelectorAll('[role=menuitem]')].find(e => "
                "e.firstChild.textContent == "
                + jsonString(labels[i])
                + " && e.offsetParent); const r = e.getBoundingClientRect(); return "
                  "Math.round(r.x + 20) + ',' + Math.round(r.y + r.height / 2); })()");
            const int ax = std::stoi(at), ay = std::stoi(at.substr(at.find(',') + 1));
            mouse("mouseMoved", ax, ay, "none");
            if (i + 1 == labels.size()) {
                mouse("mousePressed", ax, ay);
                mouse("mouseReleased", ax, ay);
            }
        }
    }

    // The canvas pixel under a page point, each channel 0 to 255.
    std::array<int, 3> pixel(int px, int py)
    {
        const std::string rgb = eval("(() => { const g = Module.ctx, p = new Uint8Array(4); "
                                     "g.readPixels("
            + std::to_string(static_cast<int>(px * ratio_)) + ", Module.canvas.height - 1 - "
            + std::to_string(static_cast<int>(py * ratio_))
            + ", 1, 1, g.RGBA, g.UNSIGNED_BYTE, p); return p.slice(0, 3).join(','); })()");
        std::array<int, 3> c {};
        std::sscanf(rgb.c_str(), "%d,%d,%d", &c[0], &c[1], &c[2]);
        return c;
    }

    bool waitForPixel(int px, int py, std::array<int, 3> colour)
    {
        return waitUntil([&] { return pixel(px, py) == colour; }, 3000, 10);
    }

    // Page points of board points on the board as the page now lays it out (lower-left square).
    int x(float boardPoint) const { return static_cast<int>(boardPoint * side() / 8); }
    int y(float boardPoint) const { return static_cast<int>(height_ - boardPoint * side() / 8); }

    std::vector<std::string> messages; // the page's errors and log entries
    double firstFrameMs = 0;

private:
    int side() const { return std::min(width_, height_); }

    std::string profile() const { return "/tmp/chess-checkers-web-" + std::to_string(getpid()); }

    static std::string value(const std::string& reply, const std::string& name)
    {
        const std::size_t at = reply.find("\"" + name + "\":\"");
        return at == std::string::npos ? "" : unquoted(reply, at + name.size() + 3);
    }

    std::string next()
    {
        for (;;) {
            const std::size_t end = pending_.find('\0');
            if (end != std::string::npos) {
                std::string message = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return message;
            }
            pollfd p { from_, POLLIN, 0 };
            char buffer[65536];
            const ssize_t n = poll(&p, 1, 20000) == 1 ? read(from_, buffer, sizeof buffer) : 0;
            if (n <= 0)
                throw std::runtime_error("no answer from the browser");
            pending_.append(buffer, static_cast<std::size_t>(n));
        }
    }

    int width_, height_;
    double ratio_;
    pid_t server_ = -1, chrome_ = -1;
    int to_ = -1, from_ = -1;
    int lastId_ = 0;
    std::string session_, pending_;
};

const std::array<int, 3> white = { 255, 255, 255 }, bottomPiece = { 204, 204, 204 },
                         brown = { 153, 102, 51 };

// From the start with the bottom player first: the bottom's b3 man jumps its way to the far row.
const int crowningLine[][4] = {
    { 1, 2, 0, 3 }, { 2, 5, 3, 4 }, { 5, 2, 4, 3 }, { 4, 5, 5, 4 }, { 4, 3, 2, 5 }, // a jump
    { 3, 6, 4, 5 }, { 3, 2, 4, 3 }, { 4, 7, 3, 6 }, { 2, 5, 4, 7 }, // a jump to the crown
};

struct step {
    const char* what;
    std::function<void(page&)> run;
};

const step steps[] = {
    { "the board at start, brown beside it, the welcome text in the log",
        [](page& p) {
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(1.5f), bottomPiece)); // e2's pawn
            EXPECT_TRUE(p.waitForPixel(p.x(8.5f), p.y(4.0f), brown));
            EXPECT_EQ(p.log(), testing_support::welcomeText);
            EXPECT_EQ(p.eval("document.title"), "Chess & Checkers");
        } },
    { "e2-e4 by a drag, on the canvas and in the dump",
        [](page& p) {
            p.dragPiece(4, 1, 4, 3, 0.1f);
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(3.5f), bottomPiece));
            EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(1.5f), white));
            const board_codes board = parseDump(p.dump());
            EXPECT_EQ(board[4][3], 6);
            EXPECT_EQ(board[4][1], 0);
        } },
    { "Alt+d prints nothing, z takes the move back",
        [](page& p) {
            const std::string before = p.log();
            p.key("d", 68, 1);
            EXPECT_EQ(p.log(), before);
            p.key("z", 90);
            EXPECT_EQ(p.dump(), testing_support::chessStartDump);
        } },
    { "a press in a knight's centre hole lifts nothing",
        [](page& p) {
            p.drag(p.x(1.5f), p.y(0.5f), p.x(2.5f), p.y(2.5f));
            EXPECT_EQ(p.dump(), testing_support::chessStartDump);
        } },
    { "a promotion through the strip",
        [](page& p) {
            for (const auto& m : promotionLine)
                p.dragPiece(m[0], m[1], m[2], m[3], 0.1f);
            p.mouse("mousePressed", p.x(2.5f), p.y(4.1f));
            p.mouse("mouseReleased", p.x(2.5f), p.y(4.1f));
            EXPECT_EQ(parseDump(p.dump())[1][7], 2);
        } },
    { "New Checkers Game and a board colour through the HTML menu",
        [](page& p) {
            p.chooseMenu({ "New Checkers Game", "Bottom player goes first" });
            EXPECT_EQ(p.dump(), testing_support::checkersStartDump);
            EXPECT_TRUE(p.waitForPixel(p.x(0.5f), p.y(0.5f), { 0, 0, 0 }));
            p.chooseMenu({ "Change colors", "Change Board Colors", "Red and White" });
            EXPECT_TRUE(p.waitForPixel(p.x(0.5f), p.y(0.5f), { 255, 0, 0 }));
        } },
    { "checkers: a step by touch, a jump, and a crowning jump",
        [](page& p) {
            const int(&first)[4] = crowningLine[0];
            p.touchDrag(p.x(first[0] + 0.5f), p.y(first[1] + 0.5f), p.x(first[2] + 0.5f),
                p.y(first[3] + 0.5f));
            for (const auto& m : crowningLine)
                if (&m != &first)
                    p.dragPiece(m[0], m[1], m[2], m[3], 0.5f);
            const board_codes board = parseDump(p.dump());
            EXPECT_EQ(board[1][2], 0); // the touch took it from b3...
            EXPECT_EQ(board[0][3], 1); // ...to a4
            EXPECT_EQ(board[3][4], 0); // jumped
            EXPECT_EQ(board[4][7], 3); // a bottom king
        } },
    { "after a resize, drops land on the squares under the pointer",
        [](page& p) {
            p.resize(420, 600);
            ASSERT_TRUE(p.windowFitsPage());
            p.key("z", 90);
            EXPECT_EQ(parseDump(p.dump())[4][7], 0);
            p.dragPiece(2, 5, 4, 7, 0.5f); // the crowning jump again
            EXPECT_EQ(parseDump(p.dump())[4][7], 3);
        } },
    { "Escape ends the game and the page offers a new one",
        [](page& p) {
            p.key("Escape", 27);
            EXPECT_EQ(p.eval("document.getElementById('ended').hidden"), "false");
            EXPECT_EQ(p.eval("document.activeElement.textContent"), "Play again");
        } },
};

TEST(Web, AtTwoPixelsAPointTheCanvasHasThemAllAndPicksInThem)
{
    page p(550, 550, 2);
    ASSERT_TRUE(p.windowFitsPage());
    p.dragPiece(4, 1, 4, 3, 0.1f);
    EXPECT_TRUE(p.waitForPixel(p.x(4.5f), p.y(3.5f), bottomPiece));
    EXPECT_EQ(parseDump(p.dump())[4][3], 6);
}

TEST(Web, PlaysInTheBrowser)
{
    page p(700, 550, 1);
    std::cout << "first board frame " << p.firstFrameMs << " ms after the page was asked for\n";
    for (const step& s : steps) {
        SCOPED_TRACE(s.what);
        s.run(p);
    }
    for (const std::string& m : p.messages)
        EXPECT_EQ(m.find("Content Security Policy"), std::string::npos) << m;
}

} // namespace
