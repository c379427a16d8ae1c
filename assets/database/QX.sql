-- The seed game database, copied into the save folder on the first start.
-- Small pages keep the file small; the schema texts are the ones the game relies on.
PRAGMA page_size=1024;
PRAGMA encoding='UTF-8';
BEGIN;
CREATE TABLE records(trackname TEXT PRIMARY KEY, laprecord INTEGER, lapholder TEXT);
CREATE TABLE team (id INTEGER, name TEXT, shield FLOAT, handling FLOAT, acceleration FLOAT, topspeed FLOAT, colour TEXT, locked INTEGER);
INSERT INTO team VALUES(1, 'Ranger', 4, 5, 3, 3, 'ff6600', 0);
INSERT INTO team VALUES(2, 'Sting', 5, 3, 3, 4, '0080ff', 0);
INSERT INTO team VALUES(3, 'Gecko', 3, 3, 5, 3, '00ffff', 0);
INSERT INTO team VALUES(4, 'Neon', 5, 4, 2, 3, 'ce67e9', 1);
INSERT INTO team VALUES(5, 'Ty', 2, 5, 4, 3, 'ffff00', 1);
INSERT INTO team VALUES(6, 'Roza', 5, 2, 3, 5, 'ff7091', 1);
INSERT INTO team VALUES(7, 'Fedz', 1, 4, 4, 5, '0080ff', 1);
INSERT INTO team VALUES(8, 'Vio', 3, 3, 4, 4, '8000ff', 1);
INSERT INTO team VALUES(9, 'Krait', 2, 5, 5, 3, '00f900', 1);
INSERT INTO team VALUES(10, 'Octo', 5, 5, 3, 2, 'd40000', 1);
INSERT INTO team VALUES(11, 'Hutt', 4, 5, 1, 5, '3fa971', 1);
INSERT INTO team VALUES(12, 'Geo', 2, 4, 4, 4, 'ffffff', 1);
CREATE TABLE options (id INTEGER PRIMARY KEY, laps INTEGER, view INTEGER, volfx INTEGER, volmusic INTEGER, map INTEGER, bombzoom INTEGER, keyleft INTEGER, keyright INTEGER, keyup INTEGER, keydown INTEGER, keypause INTEGER, keyshoot INTEGER);
-- The pause key was typed with a line feed after it; it still reads as 27.
INSERT INTO options VALUES(1, 5, 3, 1, 1, 1, 0, 37, 39, 38, 40, '27' || char(10), 88);
CREATE TABLE achievements (awarded NUMERIC, id INTEGER PRIMARY KEY);
WITH RECURSIVE n(id) AS (SELECT 1 UNION ALL SELECT id + 1 FROM n WHERE id < 20)
INSERT INTO achievements SELECT 0, id FROM n;
COMMIT;
