// Saves a file whole or not at all: the bytes go to a new temporary file in the target's folder, which is
// written, flushed to disk and closed, every step checked, and then renamed over the target. On any
// failure the temporary file is removed and the target is left as it was. A target that is a symbolic
// link is refused, so nothing is ever written through one.
#pragma once

#include <string>
#include <string_view>

namespace afd {

struct Gravacao {
    bool gravado = false;
    std::string erro; // Portuguese, UTF-8, when not saved
};

// `caminho` is a native path (on Linux, bytes as the file system takes them).
Gravacao GravarAtomicamente(const std::string& caminho, std::string_view bytes);

} // namespace afd
