// Creating objects by ProgID and calling their members late-bound, against fixture libraries.
#include "platform/component/ComponentObject.h"

#include "platform/pictures/PictureLoader.h"
#include "support/PluginFolder.h"

#include <QFile>
#include <zavolin/plugin.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class ComponentObjects : public PluginTest {
protected:
    // Copies the fixture beside the program and registers it as `progId`.
    void install(const QString& fixture, const QString& progId) {
        const QString path = add(fixture);
        ASSERT_EQ(zv_register_class(progId.toUtf8().constData(), path.toUtf8().constData()), ZV_OK);
    }
};

qint32 failureOf(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST_F(ComponentObjects, CallsMembersByNameAndReleasesTheObject) {
    install("ZavolinAccepted.dll", "ZavolinAccepted.clsPicture");
    {
        const auto object = createObject("ZavolinAccepted.clsPicture");
        EXPECT_EQ(std::get<QString>(object->call("Typ")), "ZAVOLIN");
    }
    EXPECT_EQ(log(), QStringList({"ZavolinAccepted.dll create", "ZavolinAccepted.dll call Typ",
                                  "ZavolinAccepted.dll release"}));

    const auto object = createObject("zavolinaccepted.CLSPICTURE");
    const auto picture =
        callPicture(*object, "GetPicture", {ComVariant{qint16(1)}, ComVariant{qint16(1)}});
    EXPECT_EQ(picture->size(), QSizeF(200, 520));
    EXPECT_TRUE(log().contains("ZavolinAccepted.dll arguments 1 1"));
}

TEST_F(ComponentObjects, FailuresAreRunTimeErrorsOfTheirKind) {
    install("ZavolinAccepted.dll", "ZavolinAccepted.clsPicture");
    install("ZavolinStringPicture.dll", "ZavolinStringPicture.clsPicture");
    install("ZavolinPlain.dll", "ZavolinPlain.clsPicture");
    ASSERT_EQ(zv_register_class("Gone.clsPicture", (folder() + "/Gone.dll").toUtf8()), ZV_OK);
    ASSERT_EQ(zv_register_class("ZavolinAccepted.clsOther",
                                add("ZavolinAccepted.dll", "Z2.dll").toUtf8().constData()),
              ZV_OK);

    EXPECT_EQ(failureOf([] { createObject("Nobody.clsPicture"); }), ErrNo::CantCreateObject);
    EXPECT_EQ(failureOf([] { createObject("Gone.clsPicture"); }), ErrNo::CantCreateObject);
    // A library without the component ABI.
    EXPECT_EQ(failureOf([] { createObject("ZavolinPlain.clsPicture"); }), ErrNo::CantCreateObject);
    // A library whose factory does not know the class.
    EXPECT_EQ(failureOf([] { createObject("ZavolinAccepted.clsOther"); }), ErrNo::CantCreateObject);

    const auto accepted = createObject("ZavolinAccepted.clsPicture");
    EXPECT_EQ(failureOf([&] { accepted->call("Colour"); }), ErrNo::MemberNotSupported);
    // Arguments the member refuses.
    EXPECT_EQ(failureOf([&] { callPicture(*accepted, "GetPicture", {ComVariant{qint32(1)}}); }),
              ErrNo::InvalidProcedureCall);
    // A result of the wrong kind.
    EXPECT_EQ(failureOf([&] { callPicture(*accepted, "Info"); }), ErrNo::TypeMismatch);
    const auto strings = createObject("ZavolinStringPicture.clsPicture");
    EXPECT_EQ(
        failureOf([&] {
            callPicture(*strings, "GetPicture", {ComVariant{qint16(1)}, ComVariant{qint16(1)}});
        }),
        ErrNo::TypeMismatch);
}

TEST_F(ComponentObjects, APictureIsReadFromItsEncodedBytes) {
    install("ZavolinAccepted.dll", "ZavolinAccepted.clsPicture");
    QFile junk(folder() + "/ZavolinAccepted.picture");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("neither PNG, JPEG nor SVG");
    junk.close();
    const auto object = createObject("ZavolinAccepted.clsPicture");
    EXPECT_EQ(
        failureOf([&] {
            callPicture(*object, "GetPicture", {ComVariant{qint16(1)}, ComVariant{qint16(1)}});
        }),
        ErrNo::InvalidPicture);
}

TEST_F(ComponentObjects, ALibraryOfAnotherInterfaceVersionIsNeverCalled) {
    // The fixture aborts the process if its factory or an object of it is called.
    install("ZavolinOtherVersion.dll", "ZavolinOtherVersion.clsPicture");
    std::unique_ptr<ComponentObject> object;
    ASSERT_NO_THROW(object = createObject("ZavolinOtherVersion.clsPicture"));
    EXPECT_EQ(failureOf([&] { object->call("Typ"); }), ErrNo::MemberNotSupported);
    EXPECT_EQ(failureOf([&] { object->call("Info"); }), ErrNo::MemberNotSupported);
    object.reset();
    EXPECT_EQ(log(), QStringList());
}

TEST_F(ComponentObjects, AHostEndedInLoadingOrReleasingFailsThatStepOnlyAndTheNextHostIsNew) {
    const ScopedPluginLimit limit(ShortPluginLimitMs);
    for (const auto& [fixture, why] :
         {std::pair{"ZavolinCrashInLoad.dll", "(it crashed)"},
          std::pair{"ZavolinHangInLoad.dll", "(it did not answer in time)"}}) {
        SCOPED_TRACE(fixture);
        install(fixture, "Faulty.clsPicture");
        try {
            createObject("Faulty.clsPicture");
            ADD_FAILURE() << "an object of a library that cannot be loaded";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrNo::CantCreateObject);
            EXPECT_TRUE(e.description().contains("could not be loaded " + QString::fromLatin1(why)))
                << qPrintable(e.description());
        }
    }
    for (const char* fixture : {"ZavolinCrashInRelease.dll", "ZavolinHangInRelease.dll"}) {
        SCOPED_TRACE(fixture);
        install(fixture, "Faulty.clsPicture");
        for (int round = 0; round < 2; ++round) {
            // Released at the end of the round: the release fails and ends the host quietly.
            const auto object = createObject("Faulty.clsPicture");
            EXPECT_EQ(std::get<QString>(object->call("Typ")), "ZAVOLIN") << "round " << round;
            EXPECT_NO_THROW(
                callPicture(*object, "GetPicture", {ComVariant{qint16(1)}, ComVariant{qint16(1)}}));
        }
        EXPECT_EQ(childProcesses(), QStringList());
    }
}

TEST(ComVariant, ConvertsToTextAsALateBoundCallDoes) {
    EXPECT_EQ(variantText(ComVariant{}), QString());
    EXPECT_EQ(variantText(ComVariant{QStringLiteral("Euro")}), "Euro");
    EXPECT_EQ(variantText(ComVariant{qint16(-7)}), "-7");
    EXPECT_EQ(variantText(ComVariant{qint32(70000)}), "70000");
    EXPECT_EQ(variantText(ComVariant{2.5}), "2.5");
    EXPECT_EQ(variantText(ComVariant{true}), "True");
    EXPECT_THROW(variantText(ComVariant{PictureBytes{"x"}}), RuntimeError);
}
