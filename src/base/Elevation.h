#pragma once

// How the process's token stands towards the person's own rights (the token's
// elevation type). Portable: decisions on it are tested without a token.
enum class Elevation {
    Default, // no split token: a standard user, or user account control off
    Full,    // elevated, with the person's limited token linked to it
    Limited, // the person's limited token of an administrator
};

// This process's elevation; Default when the system cannot say.
Elevation ProcessElevation();
