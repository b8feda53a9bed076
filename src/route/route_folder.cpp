#include "route/route_folder.h"

#include "platform/text_encoding.h"

namespace korvel {

std::string directoryFieldText(const std::filesystem::path& folder) {
    std::string text = utf8ToCp1252(folder.string());
    if (text.size() > kDirectoryFieldLength) {
        text.resize(kDirectoryFieldLength);
    }
    return text;
}

void setRouteFolder(RouteState& state, const std::filesystem::path& folder) {
    state.folder = folder;
    state.record.directory.assign(directoryFieldText(folder));
}

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    return name.find_first_of("/\\:") == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

std::optional<std::filesystem::path> fileInRouteFolder(const RouteState& state,
                                                       std::string_view name) {
    if (!isPlainFileName(name)) {
        return std::nullopt;
    }
    return state.folder / std::filesystem::path(cp1252ToUtf8(name));
}

std::filesystem::path folderFromText(const RouteState& state, std::string_view text) {
    const std::filesystem::path typed(cp1252ToUtf8(text));
    return typed.is_absolute() ? typed.lexically_normal()
                               : (state.folder / typed).lexically_normal();
}

bool directoryFieldIsRelativeToRoute(const RouteState& state) {
    const std::string_view text = state.record.directory.view();
    if (text.empty() || pathFromCp1252(text).is_absolute()) {
        return false;
    }
    // "route/." and "route" are one folder: compare both with a closing separator.
    const auto closed = [](const std::filesystem::path& folder) {
        return (folder / "").lexically_normal();
    };
    return closed(folderFromText(state, text)) == closed(state.folder);
}

} // namespace korvel
