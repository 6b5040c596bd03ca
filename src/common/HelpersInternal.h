#pragma once
// Seams of the helpers that only tests use: a root process can delete any directory, so the
// failure path of DeleteDirTree is reached by replacing the remover.

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace ftf::detail {

using DirRemover = std::uintmax_t (*)(const std::filesystem::path&, std::error_code&);

/// Installs the function DeleteDirTree removes a tree with; nullptr restores the real one.
/// Returns the previous function.
DirRemover SetDirRemover(DirRemover remover);

}  // namespace ftf::detail
