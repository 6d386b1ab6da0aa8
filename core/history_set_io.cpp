#include "history_set_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace breathlab {

bool ReadHistorySet(const std::string& path, ResultHistory& history, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    auto buffer = std::make_unique<ResultHistory>();
    in.read(reinterpret_cast<char*>(buffer.get()), kHistorySetBytes);
    if (in.gcount() != static_cast<std::streamsize>(kHistorySetBytes)) {
        error = ShortHistorySetMessage(path, static_cast<std::size_t>(in.gcount()));
        return false;
    }
    history = *buffer;
    return true;
}

bool WriteHistorySet(const std::string& path, const ResultHistory& history, std::string& error) {
    return WriteFileAtomically(path, HistorySetBytes(history), kHistorySetBytes, error);
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string& error) {
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (out) out.flush();
        if (!out) {
            error = "cannot write " + path + ": " + std::strerror(errno);
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        error = "cannot write " + path + ": " + ec.message();
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

} // namespace breathlab
