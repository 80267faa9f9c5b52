// The log of the test hosts (gallery, dialoghost): one line per event,
// flushed at once, which their screen tests read while the host runs.
#pragma once

#include <cstdarg>
#include <cstdio>

inline std::FILE*& ReportLogFile()
{
    static std::FILE* file = nullptr;
    return file;
}

inline void OpenReportLog(const char* path, const char* mode) { ReportLogFile() = std::fopen(path, mode); }

inline void CloseReportLog()
{
    if (ReportLogFile()) std::fclose(ReportLogFile());
    ReportLogFile() = nullptr;
}

inline void Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
inline void Report(const char* format, ...)
{
    std::FILE* file = ReportLogFile();
    if (!file) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fflush(file);
}
