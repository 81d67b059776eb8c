-- Two finished games as the game's history holds them: one whose scramble
-- the turns R then U take back, a second between them, and one whose
-- scramble was not known.
PRAGMA user_version = 1;
CREATE TABLE solves (id INTEGER PRIMARY KEY, finished_at TEXT, size INTEGER, ms INTEGER, moves INTEGER,
                     scramble TEXT, solution TEXT, move_ms TEXT, how TEXT, hints INTEGER,
                     scramble_turns INTEGER, record INTEGER);
INSERT INTO solves VALUES (1, '2026-12-10T07:25:03Z', 3, 2400, 2, 'U'' R''', 'R U', '1000 2000', 'solved', 0, 2, 0);
INSERT INTO solves VALUES (2, '2026-12-10T07:26:00Z', 3, 900, 1, '', 'R', '900', 'abandoned', 0, 0, 0);
