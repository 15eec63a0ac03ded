// SPDX-License-Identifier: MIT
#pragma once
// The web page in a real browser engine, served on 127.0.0.1 from CHESS_CHECKERS_WEB_DIR: Debian's
// Chromium (DevTools protocol), Firefox ESR (WebDriver BiDi) or WebKitGTK (WebDriver), each
// driven through one interface. Input is given as WebDriver action sequences in every engine.
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace e2e {

using json = nlohmann::json;

// One engine with one page open.
class engine {
public:
    virtual ~engine() = default;
    virtual void navigate(const std::string& url) = 0;
    // The value of a script expression; a script error throws, with its text.
    virtual json evaluate(const std::string& expression) = 0;
    // WebDriver input sources, each {"type": "pointer" or "key", "actions": [...]}.
    virtual void perform(const json& sources) = 0;
    // The page's size in CSS pixels and its device pixel ratio.
    virtual void viewport(int width, int height, int ratio) = 0;
    virtual std::string screenshot() = 0; // PNG, in base64
    // A command in the engine's own protocol, for what one engine alone offers.
    virtual json command(const std::string& method, const json& params) = 0;
    // What the page reported as errors since it opened: console errors and uncaught exceptions.
    virtual std::vector<std::string> errors() = 0;
    // Whether the engine can be given touch input and another device pixel ratio.
    virtual bool touches() const { return true; }
    virtual bool ratios() const { return true; }
};

// "chromium", "firefox" or "webkit".
std::unique_ptr<engine> launch(const std::string& name);

// Helpers the drivers share: the first line of a stream that holds a text.
std::string readLineWith(int fd, const std::string& text, int timeoutMs);
// Ends a child: asked with SIGTERM, then killed after `graceMs`.
void reap(pid_t pid, int graceMs);

// The game's page in one engine.
class page {
public:
    page(const std::string& engineName, int width, int height);
    ~page();

    // Loads the page afresh, as served or from another address; true once it shows the board
    // (a8 white beside its rook).
    bool open(const std::string& url = "");
    // The network gone: the page's server stops.
    void stopServer();
    // The expression's value as a string.
    std::string eval(const std::string& expression);
    // A new size and pixel density, or the nearest the engine gives; true once the program's
    // window has taken them.
    bool resize(int width, int height, int ratio);

    // Input at page points: the mouse's left or right button, a finger, keys (WebDriver key
    // values: "\uE00C" is Escape).
    void click(int x, int y, int button = 0);
    void touch(int x, int y, int holdMs = 0);
    void keys(const std::vector<std::string>& values);
    void key(const std::string& value) { keys({ value }); }
    // A move of a line, from and to each a column and row, grabbed `height` up its square; by a
    // finger if asked, in `steps` moves of `stepMs` each.
    void play(
        const int (&move)[4], float height, bool byTouch = false, int steps = 4, int stepMs = 0);
    // Chooses the entry at the end of a path of labels, in the menu opened by a click of `button`
    // at a point (by default the right button at (100, 100)).
    void chooseMenu(
        const std::vector<std::string>& labels, int x = 100, int y = 100, int button = 2);
    // The page point at the middle of the shown menu entry of that label; empty if none shows.
    std::vector<int> entry(const std::string& label);

    std::string log();
    std::string dump(); // what "d" adds to the log panel
    std::vector<int> pixel(int px, int py);
    bool waitForPixel(int px, int py, const std::vector<int>& colour);
    // Saves a picture of the page where CHESS_CHECKERS_WEB_SHOTS names a folder.
    void snapshot(const std::string& name);

    // Page points of board points, the board being the page's lower-left square.
    int x(float boardPoint) const { return static_cast<int>(boardPoint * side() / 8); }
    int y(float boardPoint) const { return static_cast<int>(height_ - boardPoint * side() / 8); }

    int width() const { return width_; }

    const std::string name;
    std::unique_ptr<engine> browser;

private:
    int side() const { return width_ < height_ ? width_ : height_; }
    void pointer(const char* type, const json& actions);

    int width_, height_, ratio_ = 1;
    pid_t server_ = -1;
    std::string url_;
};

} // namespace e2e
