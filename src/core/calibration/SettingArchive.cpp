#include "core/calibration/SettingArchive.h"

#include "core/base/AtomicFile.h"
#include "core/base/DataFile.h"
#include "core/base/Log.h"
#include "core/base/Plist.h"

#include <cmath>
#include <limits>
#include <string>

namespace eboard {

namespace {

constexpr std::uint64_t kArchiveVersion = 100000;
constexpr char kClassName[] = "SettingData";
constexpr std::size_t kMaxArchiveBytes = 1 << 20;

// An object reference: a UID in binary archives, a {"CF$UID": n} dictionary in XML ones.
std::optional<std::uint64_t> objectReference(plist_t node) {
    if (node == nullptr) {
        return std::nullopt;
    }
    if (plist_get_node_type(node) == PLIST_UID) {
        std::uint64_t uid = 0;
        plist_get_uid_val(node, &uid);
        return uid;
    }
    if (plist_get_node_type(node) == PLIST_DICT && plist_dict_get_size(node) == 1) {
        if (plist_t value = plist::dictItem(node, "CF$UID");
            value != nullptr && plist_get_node_type(value) == PLIST_UINT) {
            std::uint64_t uid = 0;
            plist_get_uint_val(value, &uid);
            return uid;
        }
    }
    return std::nullopt;
}

plist_t archivedObject(plist_t objects, plist_t reference) {
    const std::optional<std::uint64_t> index = objectReference(reference);
    if (!index || *index >= plist_array_get_size(objects)) {
        return nullptr;
    }
    return plist_array_get_item(objects, static_cast<std::uint32_t>(*index));
}

bool isSettingDataClass(plist_t objects, plist_t object) {
    plist_t classInfo = archivedObject(objects, plist::dictItem(object, "$class"));
    const std::optional<std::string> name =
        plist::stringValue(plist::dictItem(classInfo, "$classname"));
    return name && *name == kClassName;
}

// A float as Foundation's decodeFloatForKey: integers and reals of either width.
std::optional<float> decodedFloat(plist_t node) {
    if (node == nullptr) {
        return std::nullopt;
    }
    const plist_type type = plist_get_node_type(node);
    if (type != PLIST_REAL && type != PLIST_UINT) {
        return std::nullopt;
    }
    return static_cast<float>(*plist::numberValue(node));
}

} // namespace

std::vector<std::uint8_t> encodeSettingArchive(const SettingData& data) {
    plist::Node root{plist_new_dict()};
    plist_dict_set_item(root.get(), "$version", plist_new_uint(kArchiveVersion));
    plist_dict_set_item(root.get(), "$archiver", plist_new_string("NSKeyedArchiver"));

    plist_t top = plist_new_dict();
    plist_dict_set_item(top, "root", plist_new_uid(1));
    plist_dict_set_item(root.get(), "$top", top);

    plist_t objects = plist_new_array();
    plist_array_append_item(objects, plist_new_string("$null"));

    plist_t record = plist_new_dict();
    for (std::size_t i = 0; i < SettingData::kValueCount; ++i) {
        // Every float widens to a double exactly, so libplist stores it as a 4-byte real,
        // the width encodeFloat:forKey: produces.
        plist_dict_set_item(record, std::string(SettingData::kKeys[i]).c_str(),
                            plist_new_real(static_cast<double>(data.value(i))));
    }
    plist_dict_set_item(record, "$class", plist_new_uid(2));
    plist_array_append_item(objects, record);

    plist_t classInfo = plist_new_dict();
    plist_t classes = plist_new_array();
    plist_array_append_item(classes, plist_new_string(kClassName));
    plist_array_append_item(classes, plist_new_string("NSObject"));
    plist_dict_set_item(classInfo, "$classes", classes);
    plist_dict_set_item(classInfo, "$classname", plist_new_string(kClassName));
    plist_array_append_item(objects, classInfo);

    plist_dict_set_item(root.get(), "$objects", objects);
    return plist::toBinary(root.get());
}

std::optional<SettingData> decodeSettingArchive(std::span<const std::uint8_t> bytes) {
    const plist::Node root = plist::parse(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) {
        return std::nullopt;
    }
    const std::optional<double> version =
        plist::numberValue(plist::dictItem(root.get(), "$version"));
    if (!version || *version != static_cast<double>(kArchiveVersion)) {
        return std::nullopt;
    }
    plist_t objects = plist::dictItem(root.get(), "$objects");
    plist_t top = plist::dictItem(root.get(), "$top");
    if (objects == nullptr || plist_get_node_type(objects) != PLIST_ARRAY || top == nullptr ||
        plist_get_node_type(top) != PLIST_DICT) {
        return std::nullopt;
    }
    plist_t object = archivedObject(objects, plist::dictItem(top, "root"));
    if (object == nullptr || plist_get_node_type(object) != PLIST_DICT ||
        !isSettingDataClass(objects, object)) {
        return std::nullopt;
    }

    SettingData data;
    for (std::size_t i = 0; i < SettingData::kValueCount; ++i) {
        plist_t value = plist::dictItem(object, std::string(SettingData::kKeys[i]).c_str());
        if (value == nullptr) {
            continue; // a missing key keeps its default
        }
        const std::optional<float> decoded = decodedFloat(value);
        if (!decoded) {
            return std::nullopt; // present but not a number: the unarchiver fails too
        }
        data.setValue(i, *decoded);
    }
    return data;
}

std::error_code writeSettingArchive(const std::filesystem::path& path, const SettingData& data) {
    const std::vector<std::uint8_t> bytes = encodeSettingArchive(data);
    if (bytes.empty()) {
        return std::make_error_code(std::errc::io_error);
    }
    return writeFileAtomically(path, bytes);
}

SettingArchiveLoad peekSettingArchive(const std::filesystem::path& path, std::string* reason) {
    const DataFile file = readDataFile(path, kMaxArchiveBytes);
    if (file.missing()) {
        return {SettingArchiveLoad::Outcome::Missing, SettingData{}};
    }
    if (!file.error) {
        if (std::optional<SettingData> decoded = decodeSettingArchive(file.bytes)) {
            return {SettingArchiveLoad::Outcome::Loaded, *decoded};
        }
    }
    if (reason != nullptr) {
        *reason = file.error ? file.error.message() : "not a SettingData keyed archive";
    }
    return {SettingArchiveLoad::Outcome::Unreadable, SettingData{}};
}

SettingArchiveLoad readSettingArchive(const std::filesystem::path& path) {
    std::string reason;
    const SettingArchiveLoad load = peekSettingArchive(path, &reason);
    if (load.outcome == SettingArchiveLoad::Outcome::Unreadable) {
        logWarning("ignoring calibration archive " + path.string() + " (" + reason +
                   "); using the default calibration");
    }
    return load;
}

} // namespace eboard
