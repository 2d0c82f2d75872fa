#pragma once

#include <string>
#include <string_view>

namespace orvell::controls {

// The file a control's sound or picture property names. A relative path (".\media\over.wav",
// "media\click.wav") is taken from the program's folder, not from the current directory: a program
// started by the Run key has the system folder as its current directory. Paths with a drive
// ("C:\..."), a share ("\\server\...") or a leading backslash are used as they are. An empty path stays
// empty: nothing is played or loaded.
std::wstring ResolveProgramPath(std::wstring_view path, std::wstring_view programFolder);

}  // namespace orvell::controls
