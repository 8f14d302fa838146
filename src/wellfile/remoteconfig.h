#pragma once
// The remote monitor and update-package settings: the 782-byte record of "svdlcfg.cfg" in the data
// folder, read only when the file has exactly that length.
// Packed little-endian byte image; folder texts are Windows-1252, NUL-terminated within their width.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

// The placeholder a folder field shows when none is chosen.
inline constexpr char kNotSelected[] = "Not Selected";

// True for a folder field that names no folder: empty or the placeholder, with or without separators.
bool NamesNoFolder(const QString& text);
// A folder field of the record as a folder path: empty for an empty field or the placeholder (with or
// without its separator); else the text with one trailing separator.
QString RemoteFolder(const QString& field);

constexpr int kRemoteConfigSize = 782;

#pragma pack(push, 1)
struct RemoteConfig {
    std::int32_t startOnOpen = 0;        //   0 start the remote monitor when a file is opened
    char receiveFolder[260] = {};        //   4 ends with a separator; empty or "Not Selected": none
    std::int32_t copyOn = 0;             // 264 copy received packages on to the destination
    char destinationFolder[250] = {};    // 268 ends with a separator; empty or "Not Selected": none
    std::int32_t interval = 0;           // 518 office: poll seconds; drilling: send interval in depth units
    std::int32_t depthUnitsToSend = 0;   // 522 below 2 means 100
    std::int32_t updatePackage = 0;      // 526 drilling mode: make update packages
    std::uint8_t unused530[252] = {};    // 530 written as zero
};
#pragma pack(pop)

static_assert(sizeof(RemoteConfig) == kRemoteConfigSize);
static_assert(std::is_trivially_copyable_v<RemoteConfig> && std::is_standard_layout_v<RemoteConfig>);
static_assert(offsetof(RemoteConfig, receiveFolder) == 4);
static_assert(offsetof(RemoteConfig, copyOn) == 264);
static_assert(offsetof(RemoteConfig, destinationFolder) == 268);
static_assert(offsetof(RemoteConfig, interval) == 518);
static_assert(offsetof(RemoteConfig, depthUnitsToSend) == 522);
static_assert(offsetof(RemoteConfig, updatePackage) == 526);
static_assert(offsetof(RemoteConfig, unused530) == 530);

}  // namespace wellfile
