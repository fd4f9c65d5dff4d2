// The class registry as plug-ins write it through the component library and the program reads
// it.
#include "platform/component/ClassRegistry.h"
#include "support/PluginFolder.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <sys/stat.h>
#include <zavolin/plugin.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Registry : public PluginTest {};

QString lookup(const char* progId, int32_t* status = nullptr) {
    char* path = nullptr;
    const int32_t s = zv_lookup_class(progId, &path, nullptr);
    if (status)
        *status = s;
    const QString result = path ? QString::fromUtf8(path) : QString();
    zv_free(path);
    return result;
}

} // namespace

TEST_F(Registry, LivesInTheUsersDataFolderAndRegistersReplacesAndRemoves) {
    const QString file = qEnvironmentVariable("XDG_DATA_HOME") + "/Zavolin/classes.ini";
    EXPECT_EQ(classRegistryPath(), file);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(registeredLibrary("ZavolinA.clsPicture"), QString());

    ASSERT_EQ(zv_register_class("ZavolinA.clsPicture", "/opt/a/ZavolinA.dll"), ZV_OK);
    ASSERT_EQ(zv_register_class("ZavolinB.clsPicture", "/opt/b/ZavolinB.dll"), ZV_OK);
    EXPECT_EQ(registeredLibrary("ZavolinA.clsPicture"), "/opt/a/ZavolinA.dll");
    // ProgIDs are compared as registry keys are, without regard to case.
    EXPECT_EQ(registeredLibrary("zavolinb.CLSPICTURE"), "/opt/b/ZavolinB.dll");

    ASSERT_EQ(zv_register_class("ZAVOLINA.CLSPICTURE", "/opt/c/ZavolinA.dll"), ZV_OK);
    EXPECT_EQ(registeredLibrary("ZavolinA.clsPicture"), "/opt/c/ZavolinA.dll");
    // The key keeps its first spelling, and the class is named as its library named it.
    EXPECT_EQ(registeredClass("zavolina.clspicture").className, "clsPicture");

    ASSERT_EQ(zv_unregister_class("ZavolinA.clsPicture"), ZV_OK);
    int32_t status = ZV_OK;
    EXPECT_EQ(lookup("ZavolinA.clsPicture", &status), QString());
    EXPECT_EQ(status, ZV_E_NOT_REGISTERED);
    EXPECT_EQ(zv_unregister_class("ZavolinA.clsPicture"), ZV_OK) << "already gone is no failure";
    EXPECT_EQ(lookup("ZavolinB.clsPicture"), "/opt/b/ZavolinB.dll");

    // The file is replaced whole: no temporary file stays beside it, and it reads as text.
    EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files),
              QStringList({"classes.ini", "classes.ini.lock"}));
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_TRUE(text.readAll().contains("[Classes]\nZavolinB.clsPicture=/opt/b/ZavolinB.dll\n"));
}

TEST_F(Registry, RefusesNamesAndPathsTheFileCannotHold) {
    EXPECT_EQ(zv_register_class("", "/a.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class("A=B", "/a.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class("[A]", "/a.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class("A.b\nC.d", "/a.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class("A.b", "relative/a.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class("A.b", "/a\n.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class(nullptr, "/a.dll"), ZV_E_INVALID);
    EXPECT_EQ(zv_register_class("A.b", nullptr), ZV_E_INVALID);
    EXPECT_EQ(zv_lookup_class("A.b", nullptr, nullptr), ZV_E_INVALID);
    // A path may hold "=" and blanks: it is everything after the first "=".
    ASSERT_EQ(zv_register_class("A.b", "/x = y/a.dll"), ZV_OK);
    EXPECT_EQ(lookup("A.b"), "/x = y/a.dll");
}

TEST_F(Registry, ReportsARegistryItCannotWrite) {
    // A data folder below a regular file cannot be made, not even by root.
    const QString blocker = freshDirectory("blocked") + "/file";
    QFile(blocker).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));
    EXPECT_EQ(zv_register_class("A.b", "/a.dll"), ZV_E_REGISTRY);
    int32_t status = ZV_OK;
    EXPECT_EQ(lookup("A.b", &status), QString());
    EXPECT_EQ(status, ZV_E_NOT_REGISTERED);
}

TEST_F(Registry, ReadsAFileWrittenByHandAndSkipsWhatItDoesNotKnow) {
    const QString file = classRegistryPath();
    QDir().mkpath(QFileInfo(file).path());
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("; note\r\n[Other]\r\nA.b=/other.dll\r\n[Classes]\r\nA.b=/classes.dll\r\n"
               "broken line\r\nC.d=relative.dll\r\n");
    text.close();
    EXPECT_EQ(registeredLibrary("A.b"), "/classes.dll");
    EXPECT_EQ(registeredLibrary("C.d"), QString());
}

// What lies in the registry file's place is read only when it is a regular file of a size a
// registry can have: anything else would make a lookup read without end or wait for a writer.
// It is then an unreadable registry, and no registration writes over it. A large registry of
// a size it can have reads whole.
TEST_F(Registry, ReadsOnlyARegularFileOfARegistrysSize) {
    constexpr int Classes = 40000;
    struct Case {
        const char* name;
        std::function<void(const QString& file)> make;
        const char* progId; // looked up
        int32_t status;     // of the lookup and of a registration
        const char* library;
    };
    const Case cases[] = {
        {"a link to /dev/zero",
         [](const QString& file) { ASSERT_TRUE(QFile::link("/dev/zero", file)); }, "A.b",
         ZV_E_REGISTRY, ""},
        {"a FIFO",
         [](const QString& file) {
             ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
         },
         "A.b", ZV_E_REGISTRY, ""},
        {"a folder", [](const QString& file) { ASSERT_TRUE(QDir().mkdir(file)); }, "A.b",
         ZV_E_REGISTRY, ""},
        {"a file over 16 MiB",
         [](const QString& file) {
             QFile big(file);
             ASSERT_TRUE(big.open(QIODevice::WriteOnly));
             big.write("[Classes]\nA.b=/a.dll\n");
             ASSERT_TRUE(big.resize((16 << 20) + 1));
         },
         "A.b", ZV_E_REGISTRY, ""},
        {"40,000 classes",
         [](const QString& file) {
             QByteArray text("[Classes]\n");
             for (int i = 0; i < Classes; ++i)
                 text += "Bench" + QByteArray::number(i) + ".clsPicture=/opt/Bench" +
                         QByteArray::number(i) + ".dll\n";
             // A later line of a ProgID already read replaces its library.
             text += "BENCH17.CLSPICTURE=/opt/later.dll\n";
             QFile many(file);
             ASSERT_TRUE(many.open(QIODevice::WriteOnly));
             ASSERT_EQ(many.write(text), text.size());
         },
         "Bench39999.clsPicture", ZV_OK, "/opt/Bench39999.dll"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qputenv("XDG_DATA_HOME", QFile::encodeName(freshDirectory("data")));
        const QString file = classRegistryPath();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        c.make(file);
        int32_t status = -1;
        EXPECT_EQ(lookup(c.progId, &status), c.library);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(zv_register_class("New.clsPicture", "/new.dll"), c.status);
        if (c.status != ZV_OK) {
            EXPECT_EQ(QFileInfo(file).isSymLink(), QString(c.name).contains("link"));
            continue;
        }
        EXPECT_EQ(lookup("bench17.clspicture"), "/opt/later.dll");
        EXPECT_EQ(lookup("Bench0.clsPicture"), "/opt/Bench0.dll");
        EXPECT_EQ(lookup("New.clsPicture"), "/new.dll");
        // Written back whole: every class and the new one, each ProgID once.
        QFile text(file);
        ASSERT_TRUE(text.open(QIODevice::ReadOnly));
        EXPECT_EQ(text.readAll().count('\n'), 2 + Classes + 1);
    }
}

TEST_F(Registry, VariantsHoldCopiesUntilCleared) {
    zv_variant v;
    zv_variant_init(&v);
    ASSERT_EQ(zv_set_string(&v, "Info"), ZV_OK);
    EXPECT_EQ(v.type, ZV_STRING);
    EXPECT_EQ(v.value.bytes.size, 4u);
    EXPECT_STREQ(v.value.bytes.data, "Info");
    const char png[] = "\x89PNG";
    ASSERT_EQ(zv_set_picture(&v, png, 4), ZV_OK) << "replaces and frees the string";
    EXPECT_EQ(v.type, ZV_PICTURE);
    EXPECT_EQ(QByteArray(v.value.bytes.data, 4), QByteArray(png, 4));
    char* buffer = static_cast<char*>(zv_picture_buffer(&v, 3));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(v.value.bytes.size, 3u);
    zv_variant_clear(&v);
    EXPECT_EQ(v.type, ZV_EMPTY);
    EXPECT_EQ(v.value.bytes.data, nullptr);
    zv_variant_clear(&v);
    EXPECT_EQ(zv_set_string_n(&v, nullptr, 1), ZV_E_INVALID);
    EXPECT_EQ(zv_set_string_n(&v, nullptr, 0), ZV_OK);
    EXPECT_EQ(v.value.bytes.size, 0u);
    zv_variant_clear(&v);
}
