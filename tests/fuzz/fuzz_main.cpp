// SPDX-License-Identifier: MIT
// Random-event fuzzing of the whole program. The test runs each seeded chunk of events in a child
// process of its own (so that a failed assertion or a sanitizer report cannot hide the seed),
// and shrinks a failing chunk to a short list that still fails.
//
//   fuzz_tests                       the GoogleTest suite (FUZZ_SEED, FUZZ_EVENTS from the env)
//   fuzz_tests --seed=S --events=N   plays one generated chunk, exit status 0 when it holds
//   fuzz_tests --replay=FILE         plays a saved event list (FUZZ_KEEP_STDOUT=1 shows the dumps)

#include "fuzz/events.h"
#include "fuzz/player.h"
#include "support/gl_env.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/platform.h"

namespace {

struct child_result {
    bool ok = false;
    long failedAt = -1;
    std::string report;
};

child_result runChild(const std::vector<std::string>& args)
{
    int err[2];
    if (pipe(err) != 0)
        return { false, -1, "pipe failed" };
    pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], STDERR_FILENO);
        close(err[0]);
        std::vector<char*> argv;
        static char self[] = "/proc/self/exe";
        argv.push_back(self);
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(self, argv.data());
        _exit(127);
    }
    close(err[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(err[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    child_result result;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && text.empty();
    if (auto at = text.find("FUZZ-FAIL "); at != std::string::npos)
        result.failedAt = std::strtol(text.c_str() + at + 10, nullptr, 10);
    result.report = text.size() > 3000 ? text.substr(0, 3000) + "..." : text;
    return result;
}

child_result replay(const std::vector<fuzz::event>& events)
{
    const std::string file = "fuzz-candidate-" + std::to_string(getpid()) + ".txt";
    std::ofstream(file) << fuzz::format(events);
    child_result r = runChild({ "--replay=" + file });
    std::remove(file.c_str());
    return r;
}

// Removes ever smaller slices while the list still fails, within a time budget.
std::vector<fuzz::event> shrink(std::vector<fuzz::event> events, long failedAt)
{
    using clock_type = std::chrono::steady_clock;
    const auto deadline = clock_type::now() + std::chrono::seconds(120);
    if (failedAt >= 0 && static_cast<std::size_t>(failedAt + 1) < events.size()) {
        std::vector<fuzz::event> head(events.begin(), events.begin() + failedAt + 1);
        if (!replay(head).ok)
            events = head;
    }
    std::size_t parts = 2;
    while (events.size() > 1 && clock_type::now() < deadline) {
        const std::size_t slice = (events.size() + parts - 1) / parts;
        bool removed = false;
        for (std::size_t start = 0; start < events.size() && !removed; start += slice) {
            std::vector<fuzz::event> candidate(events.begin(), events.begin() + start);
            candidate.insert(candidate.end(),
                events.begin() + static_cast<long>(std::min(events.size(), start + slice)),
                events.end());
            if (!replay(candidate).ok) {
                events = candidate;
                parts = std::max<std::size_t>(parts - 1, 2);
                removed = true;
            }
        }
        if (!removed) {
            if (parts >= events.size())
                break;
            parts = std::min(events.size(), parts * 2);
        }
    }
    return events;
}

unsigned long envNumber(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

TEST(Fuzz, RandomEventsKeepEveryInvariant)
{
    const unsigned long firstSeed = envNumber("FUZZ_SEED", 20261208);
    const unsigned long total = envNumber("FUZZ_EVENTS", 200000);
    const unsigned long chunk = 10000;
    for (unsigned long done = 0, seed = firstSeed; done < total; done += chunk, ++seed) {
        const int count = static_cast<int>(std::min(chunk, total - done));
        child_result r
            = runChild({ "--seed=" + std::to_string(seed), "--events=" + std::to_string(count) });
        if (r.ok)
            continue;
        std::vector<fuzz::event> smallest = shrink(fuzz::generate(seed, count), r.failedAt);
        const std::string file = "fuzz-failure-" + std::to_string(seed) + ".txt";
        std::ofstream(file) << fuzz::format(smallest);
        FAIL() << "seed " << seed << " with " << count << " events fails:\n"
               << r.report << "\nshortest list that still fails (" << smallest.size()
               << " events, saved in " << file << "):\n"
               << fuzz::format(smallest);
    }
}

TEST(Fuzz, SavedFailuresStayFixed)
{
    const std::string dir = FUZZ_REGRESSIONS;
    DIR* d = opendir(dir.c_str());
    ASSERT_NE(d, nullptr) << dir;
    int replayed = 0;
    while (dirent* entry = readdir(d)) {
        std::string name = entry->d_name;
        if (name.size() < 4 || name.substr(name.size() - 4) != ".txt")
            continue;
        SCOPED_TRACE(name);
        child_result r = runChild({ "--replay=" + dir + "/" + name });
        EXPECT_TRUE(r.ok) << r.report;
        ++replayed;
    }
    closedir(d);
    EXPECT_GT(replayed, 0);
}

int playChild(const std::vector<fuzz::event>& events)
{
    // The dumps of "d" would only fill the pipe.
    if (std::getenv("FUZZ_KEEP_STDOUT") == nullptr
        && std::freopen("/dev/null", "w", stdout) == nullptr)
        return 3;
    testing_support::openGlWindow();
    fuzz::outcome o = fuzz::play(events);
    checkLeaksNow();
    if (o.ok)
        return 0;
    std::fprintf(stderr, "FUZZ-FAIL %zu %s\n", o.failedAt, o.what.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string replayFile;
    unsigned long seed = 0, events = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--replay=", 0) == 0)
            replayFile = arg.substr(9);
        else if (arg.rfind("--seed=", 0) == 0)
            seed = std::strtoul(arg.c_str() + 7, nullptr, 10);
        else if (arg.rfind("--events=", 0) == 0)
            events = std::strtoul(arg.c_str() + 9, nullptr, 10);
    }
    if (!replayFile.empty()) {
        std::ifstream in(replayFile);
        std::stringstream text;
        text << in.rdbuf();
        return playChild(fuzz::parse(text.str()));
    }
    if (events > 0)
        return playChild(fuzz::generate(seed, static_cast<int>(events)));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
