// The class registry as plug-ins write it through the component library and the program reads
// it.
#include "platform/component/ClassRegistry.h"
#include "support/PluginFolder.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
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
