// BenchSupport.cpp - stopwatch, scratch folders and result lines.
#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double MedianOf(const char* what, int rounds, const std::function<bool(double*)>& work) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        double ms = 0;
        if (!work(&ms)) {
            std::fprintf(stderr, "%s failed\n", what);
            return -1;
        }
        std::printf("  %s, round %d: %.1f ms\n", what, round + 1, ms);
        times.push_back(ms);
    }
    return Median(times);
}

void PumpUntilIdle() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::vector<std::vector<double>> Interleave(const std::string& what, const std::vector<std::string>& names, int rounds,
                                            const std::vector<std::function<double()>>& contenders) {
    const size_t count = contenders.size();
    std::vector<std::vector<double>> times(count);
    for (int round = 0; round < rounds; ++round) {
        std::vector<double> taken(count);
        for (size_t step = 0; step < count; ++step) {
            const size_t which = (static_cast<size_t>(round) + step) % count;
            taken[which] = contenders[which]();
            if (taken[which] < 0) {
                std::fprintf(stderr, "%s: %s failed\n", what.c_str(), names[which].c_str());
                return {};
            }
        }
        std::printf("  %s, round %d:", what.c_str(), round + 1);
        for (size_t i = 0; i < count; ++i) {
            std::printf("%s %s %.1f ms", i ? "," : "", names[i].c_str(), taken[i]);
            times[i].push_back(taken[i]);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    return times;
}

double MedianRatio(const std::vector<double>& a, const std::vector<double>& b, double offset) {
    std::vector<double> ratios;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) ratios.push_back(a[i] / (b[i] + offset));
    return ratios.empty() ? 0 : Median(ratios);
}

std::string AtMost(double limit) {
    char text[32];
    std::snprintf(text, sizeof text, "<= %.2f", limit);
    return text;
}

std::string NameOf(const char* format, int number) {
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

ScratchFolder::ScratchFolder(const std::string& tag) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    for (unsigned attempt = 0;; ++attempt) {
        m_path = std::string(temp) + "OrdovanBench_" + tag + "_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(attempt);
        if (CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
}

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((m_path + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

bool ScratchFolder::MakeFiles(const char* format, int count) const {
    static const char kContent[] = "bench file\r\n";
    for (int i = 0; i < count; ++i) {
        const std::string path = m_path + "\\" + NameOf(format, i);
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        WriteFile(file, kContent, sizeof kContent - 1, &written, nullptr);
        CloseHandle(file);
    }
    return true;
}

void Result(const std::string& what, double value, const char* unit) {
    std::printf("RESULT|%s|%.2f %s|-|-\n", what.c_str(), value, unit);
    std::fflush(stdout);
}

void Result(const std::string& what, double value, const char* unit, const std::string& goal, bool met) {
    std::printf("RESULT|%s|%.2f %s|%s|%s\n", what.c_str(), value, unit, goal.c_str(), met ? "ok" : "FAIL");
    std::fflush(stdout);
}

}  // namespace bench
