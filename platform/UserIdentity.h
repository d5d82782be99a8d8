#pragma once

// Who works at this computer, as the operating system knows the user: the login name
// and full name from the password database, and the host's name. Bramblex keeps no
// accounts of its own.

#include <QString>

struct TUserIdentity {
    QString Login;
    QString FullName; // the first field of the database's comment (GECOS) field; may be empty
    QString Host;
};

// The user the program runs as (its effective user). A user missing from the database
// (a container's bare uid) gets the number as its login.
TUserIdentity CurrentUserIdentity();
