#pragma once

#include "ComVariant.h"
#include "platform/pictures/Picture.h"

#include <QList>
#include <QString>
#include <memory>

namespace zavolin {

// An object of a component class, reached only through late-bound calls by member name. It
// is released (and its library let go) when it is destroyed.
class ComponentObject {
public:
    virtual ~ComponentObject() = default;

    // Reads a property or calls a method. Raises MemberNotSupported when the object has no
    // such member, InvalidProcedureCall when it refuses the arguments or fails.
    virtual ComVariant call(const QString& member, const QList<ComVariant>& arguments = {}) = 0;
};

// Creates an object of the class registered under the ProgID: looks the ProgID up in the
// class registry, loads the library, checks the interface version it is built for and asks
// its factory for the class (the registered ProgID's part after its first "."). Raises
// CantCreateObject when the class is not registered, its library cannot be loaded or has no
// factory, or the factory does not make the class. A library built for another interface
// version is not called at all: its object answers every call with MemberNotSupported.
std::unique_ptr<ComponentObject> createObject(const QString& progId);

// Calls a member that returns a picture set and reads it (loadPictureSet). A result of another
// kind raises TypeMismatch; bytes that are no picture raise InvalidPicture.
std::shared_ptr<const Picture> callPicture(ComponentObject& object, const QString& member,
                                           const QList<ComVariant>& arguments = {});

} // namespace zavolin
