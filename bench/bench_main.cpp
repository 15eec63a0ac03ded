// SPDX-License-Identifier: MIT
#include "shell/shell.h"

#include "platform/gl.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

// The drawing benchmarks need a real GL context: one 550 by 550 window, as the game opens.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "benchmarks need an X display: run them through 'make bench'\n");
        return 2;
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
    glutInitWindowSize(550, 550);
    glutCreateWindow("benchmarks");
    registerCallbacks();
    glutMainLoopEvent();
    myReshape(550, 550);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
