// Start-up benchmark: the time from process start to the main window shown
// with its first document decoded (without the splash wait), and the peak
// memory of that process. Each run starts this program again as a child that
// runs the real start-up and reports when its window is up.
//
//   startup [RUNS]        prints the figures (targets: 400 ms, 80 MB)

#include "shell/main_frame.h"
#include "shell/program_app.h"
#include "ui/user_store.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kChildFlag = "--child";
constexpr const char* kReady = "ready\n";
constexpr int kExposeTimeoutMs = 10000;

// The child: the program's own start-up on the build's program directory.
int RunChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The per-user store of this run lives in a temporary folder.
    QTemporaryDir store;
    UserStore::SetBaseDirectory(store.path());
    StartupOptions options;
    options.programDir = QStringLiteral(PROGRAM_BIN_DIR);
    options.splash = false;
    CProgramApp app;
    if (!app.InitInstance(options)) {
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    while (!(app.MainFrame()->windowHandle() && app.MainFrame()->windowHandle()->isExposed())) {
        if (timer.elapsed() > kExposeTimeoutMs) {
            return 2;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    std::fputs(kReady, stdout);
    std::fflush(stdout);
    app.ExitInstance();
    return 0;
}

struct RunFigures {
    double ms = 0;
    double peakMb = 0;
};

bool RunOnce(const char* self, RunFigures& figures) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* childArgv[] = {const_cast<char*>(self), const_cast<char*>(kChildFlag), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, childArgv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string received;
    char buffer[64];
    while (received.find(kReady) == std::string::npos) {
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        received.append(buffer, static_cast<std::size_t>(n));
    }
    const auto ready = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (received.find(kReady) == std::string::npos || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return false;
    }
    figures.ms = std::chrono::duration<double, std::milli>(ready - start).count();
    figures.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) {
        return RunChild(argc, argv);
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<RunFigures> figures;
    for (int i = 0; i < runs; ++i) {
        RunFigures run;
        if (!RunOnce("/proc/self/exe", run)) {
            std::fprintf(stderr, "start-up run %d failed\n", i + 1);
            return 1;
        }
        figures.push_back(run);
    }
    std::sort(figures.begin(), figures.end(),
              [](const RunFigures& a, const RunFigures& b) { return a.ms < b.ms; });
    double peak = 0;
    for (const RunFigures& run : figures) {
        peak = std::max(peak, run.peakMb);
    }
    std::printf("start-up to main window with its first document (%d runs, platform %s)\n", runs,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    std::printf("  time:   min %.0f ms, median %.0f ms, max %.0f ms (target 400 ms)\n",
                figures.front().ms, figures[figures.size() / 2].ms, figures.back().ms);
    std::printf("  memory: peak %.1f MB (target 80 MB)\n", peak);
    return 0;
}
