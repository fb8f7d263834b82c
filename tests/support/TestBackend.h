#pragma once

#include <QString>

#include <gtest/gtest.h>

// The backend the demo-company tests of this process run on. CUSTOMER_ARCHIVE_TEST_BACKEND
// chooses it for the whole process, so that CI runs the same test programs once on SQLite
// files and once on the PostgreSQL server named by CUSTOMER_ARCHIVE_PG.
enum class TestBackend { Sqlite, Postgres };

inline TestBackend testBackend()
{
    return qEnvironmentVariable("CUSTOMER_ARCHIVE_TEST_BACKEND")
                .compare(u"postgres", Qt::CaseInsensitive)
            == 0
        ? TestBackend::Postgres
        : TestBackend::Sqlite;
}

// For a test of what only a company file has (file locks, a corrupt or read-only file, the
// SQLite search index): skipped, with the reason, when the process tests the server.
#define SKIP_ON_SERVER_BACKEND(reason) \
    if (testBackend() != TestBackend::Postgres) { \
    } else \
        GTEST_SKIP() << "on the PostgreSQL server: " << reason
