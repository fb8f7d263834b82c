#!/usr/bin/env bash
# Runs a command with a throw-away PostgreSQL server beside it:
#   scripts/with-postgres.sh ctest --test-dir build -R Postgres
# The cluster lives in a temporary folder, listens only on a socket there, and is stopped and
# removed however the command ends. The command finds it through CUSTOMER_ARCHIVE_PG, a
# connection text of the data service. The server refuses to run as root, so under root (CI)
# it runs as the unprivileged user "nobody".
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENT...]" >&2
    exit 2
fi

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
    echo "with-postgres: no PostgreSQL server found under /usr/lib/postgresql (run scripts/setup.sh)" >&2
    exit 1
fi

folder=$(mktemp -d "${TMPDIR:-/tmp}/customer-archive-pg.XXXXXX")
chmod 755 "$folder"
as_server=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$folder"
    as_server=(runuser -u nobody --)
fi
port=5432
database=customer_archive
user=archive

stop() {
    "${as_server[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$folder"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

"${as_server[@]}" "$bin/initdb" -D "$folder/data" -U "$user" --auth=trust --encoding=UTF8 \
    --locale=C.UTF-8 >"$folder/initdb.log" 2>&1 || {
    cat "$folder/initdb.log" >&2
    exit 1
}
# Many test processes at once each hold a few connections; fsync off and the least WAL since the
# data is thrown away: with no replica to feed, a table loaded in the transaction that created or
# truncated it (the demo load's COPY) and a new index are written once, not a second time into
# the WAL.
"${as_server[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -s \
    -o "-c listen_addresses='' -c unix_socket_directories='$folder' -p $port -c fsync=off \
        -c synchronous_commit=off -c full_page_writes=off -c wal_level=minimal \
        -c max_wal_senders=0 -c max_connections=200" start || {
    cat "$folder/server.log" >&2
    exit 1
}
"$bin/createdb" -h "$folder" -p "$port" -U "$user" "$database"
# The case-insensitive text type and the trigram index of every company, made once rather than
# by each test at once.
"$bin/psql" -q -h "$folder" -p "$port" -U "$user" -d "$database" \
    -c "create extension citext schema public" -c "create extension pg_trgm schema public" \
    >/dev/null

export CUSTOMER_ARCHIVE_PG="Provider=PostgreSQL;Host=$folder;Port=$port;Database=$database;User ID=$user"
"$@"
