// The class registry file: read any file, change the registry as registration does, write it
// back and read it again, which must give the registry that was written.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

extern "C" {
#include "registry_file.h"
#include "zavolin/plugin.h"
}

#include <QSet>
#include <cstring>
#include <string>

namespace zavolin::fuzz {
namespace {

void checkEntries(const zv_registry& registry) {
    check(registry.count <= registry.capacity, "more entries than room");
    QSet<QByteArray> seen;
    for (size_t i = 0; i < registry.count; ++i) {
        const zv_registry_entry& e = registry.entries[i];
        check(zv_registry_valid_progid(e.progid), "an invalid ProgID was read");
        check(zv_registry_valid_path(e.library_path), "an invalid library path was read");
        check(zv_registry_find(&registry, e.progid) == &e, "a ProgID is found at another entry");
        const QByteArray folded = QByteArray(e.progid).toLower();
        check(!seen.contains(folded), "a ProgID is held twice");
        seen.insert(folded);
    }
}

bool sameRegistry(const zv_registry& a, const zv_registry& b) {
    if (a.count != b.count)
        return false;
    for (size_t i = 0; i < a.count; ++i)
        if (std::strcmp(a.entries[i].progid, b.entries[i].progid) != 0 ||
            std::strcmp(a.entries[i].library_path, b.entries[i].library_path) != 0)
            return false;
    return true;
}

} // namespace

int fuzzOneRegistryFile(const uint8_t* data, size_t size) {
    const QString folder = freshFolder();
    const std::string path =
        writeFile(folder, QStringLiteral("classes.ini"), bytesOf(data, size)).toStdString();

    zv_registry registry;
    const int32_t read = zv_registry_read(path.c_str(), &registry);
    check(read == ZV_OK, "a regular file of a few bytes was not read");
    checkEntries(registry);

    // What registration and removal do: a class moved, one removed, one added.
    if (registry.count > 0) {
        std::string moved = registry.entries[registry.count - 1].progid;
        for (char& c : moved)
            c = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        const size_t before = registry.count;
        check(zv_registry_set(&registry, moved.c_str(), "/moved/Zavolin.dll") == ZV_OK,
              "a class was not moved");
        check(registry.count == before, "moving a class added one");
        const std::string removed = registry.entries[0].progid;
        check(zv_registry_remove(&registry, removed.c_str()) == 1, "a class was not removed");
        check(zv_registry_find(&registry, removed.c_str()) == nullptr, "a removed class is found");
    }
    check(zv_registry_set(&registry, "ZavolinFuzz.clsPicture", "/fuzz/ZavolinFuzz.dll") == ZV_OK,
          "a class was not added");
    checkEntries(registry);

    check(zv_registry_write(path.c_str(), &registry) == ZV_OK, "the registry was not written");
    zv_registry again;
    check(zv_registry_read(path.c_str(), &again) == ZV_OK, "the written file was not read");
    check(sameRegistry(registry, again), "the file read back holds another registry");
    zv_registry_free(&again);
    zv_registry_free(&registry);
    check(registry.entries == nullptr && registry.count == 0, "a freed registry holds entries");
    return 0;
}

} // namespace zavolin::fuzz
