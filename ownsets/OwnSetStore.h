#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace zavolin {

// The user's own picture sets, each a folder named after the set in the user's data folder
// ($XDG_DATA_HOME/Zavolin/sets/<name>/) holding its grid of 10 rows by 2 cells as one picture
// file, "set.png", "set.jpg" or "set.svg". A set is stored whole or not at all: it is written
// under a hidden temporary name and renamed into place.

QString ownSetsFolder();

// The names of the stored sets, sorted as a person reads them.
QStringList ownSetNames();

// Why `name` cannot name a new set ("" when it can): empty, a path separator or a leading dot,
// longer than 100 characters, or the name of a set there is.
QString ownSetNameProblem(const QString& name);

// Stores a set's grid picture (its encoded bytes, `extension` png, jpg or svg) under a new
// name. Raises InvalidPropertyValue for a name ownSetNameProblem refuses and
// PathFileAccessError when it cannot be written; then nothing of it is left.
void storeOwnSet(const QString& name, const QByteArray& grid, const QString& extension);

// The stored set's grid picture. Raises FileNotFound for a set there is not, InvalidPicture
// when its file cannot be read as a picture.
std::shared_ptr<const Picture> loadOwnSet(const QString& name);

// Raise FileNotFound for a set there is not, PathFileAccessError when the folder cannot be
// changed; renaming also checks the new name as ownSetNameProblem does.
void removeOwnSet(const QString& name);
void renameOwnSet(const QString& from, const QString& to);

} // namespace zavolin
