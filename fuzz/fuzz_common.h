// Shared set-up of the fuzz targets: Allegro without a display, and the
// input written to a file, since every loader reads a path.
#pragma once

#include <allegro5/allegro.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline const std::string& FuzzInputPath()
{
    static const std::string path = [] {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(folder) + "/sodbolt-fuzz-" + std::to_string(getpid()) + ".bin";
    }();
    return path;
}

inline const char* WriteFuzzInput(const uint8_t* data, size_t size)
{
    const std::string& path = FuzzInputPath();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    return path.c_str();
}

inline void FuzzInitAllegro()
{
    if (!al_init()) std::abort();
    std::atexit([] { std::remove(FuzzInputPath().c_str()); });
}

#define SODBOLT_FUZZ_INIT                                                                                              \
    extern "C" int LLVMFuzzerInitialize(int*, char***)                                                                 \
    {                                                                                                                  \
        FuzzInitAllegro();                                                                                             \
        return 0;                                                                                                      \
    }
