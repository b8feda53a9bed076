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

} // namespace korvel
