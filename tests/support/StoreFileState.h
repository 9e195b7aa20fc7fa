#pragma once
// What a look at the settings store file shows, compared before and after the store is used to
// see that a file which is not ours is left as it was: the target of a link, the bytes of a
// regular file, or its kind.

#include <QByteArray>
#include <QString>

QByteArray store_file_state(const QString& file);
