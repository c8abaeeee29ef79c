-- config.mdb: the settings of the coordinate systems put on slides, and the
-- documents of the figure library. Booleans are stored as -1 (true) and 0 (false).
CREATE TABLE pptconfig (
    id INTEGER PRIMARY KEY,
    cName TEXT NOT NULL,
    intvalue INTEGER NOT NULL DEFAULT 0,
    blvalue INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE big (
    Id INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    content BLOB
);

CREATE TABLE small (
    Id INTEGER PRIMARY KEY,
    Name TEXT NOT NULL,
    big INTEGER NOT NULL REFERENCES big (Id)
);

INSERT INTO pptconfig (id, cName, intvalue, blvalue) VALUES
    (1, 'intK', 2, 0),
    (2, 'intKD', 5, 0),
    (3, 'intLine', 2, 0),
    (4, 'blYkdLeft', 0, 0),
    (5, 'blYtxtLeft', 0, -1),
    (6, 'blXkdUp', 0, -1),
    (7, 'blXtxtUp', 0, 0);
