#pragma once

#include <functional>

#include "tests/support/tempfolder.h"

// Permissions do not bind root, and CI runs as root: there the tests of
// read-only files and folders run as this ordinary user, which the test
// command creates.
inline constexpr const char* OrdinaryTestUser = "brackwater-test";

// Whether AsOrdinaryUser can run: not root, or root with the test user.
bool OrdinaryUserAvailable();

// Runs `body` where permissions bind: as it is when not root; as root, in a
// child process switched to the test user, after the folder and everything
// in it has been given to that user. Failures in the child fail the test.
void AsOrdinaryUser(const TempFolder& folder, const std::function<void()>& body);
