-- The quick search of the customer list on SQLite: a trigram index over the fields a user
-- searches by (code, name, abbreviation, mnemonic code, phones and tax number). Written in
-- SQLite's own dialect, as full-text indexes are each backend's own; demo::CompanySearchIndex
-- runs it once the customers are loaded, or when a company made by an earlier version is
-- opened, and fills the index from CustomerSearchText.
--
-- The index keeps no copy of the text (content=''): a match gives the rowid of the customer.
-- Each customer is indexed as one text, its fields each followed by a line end and the whole
-- by a second one. A search never holds a line end, so no trigram across two fields matches
-- it; and every character of a field starts a trigram, which lets a search of one or two
-- characters be answered from the index's terms (CustomerSearchTerms).
--
-- The triggers keep the index in step with every write of the table, whoever makes it. The
-- 'delete' command of a contentless index needs the text as it was indexed: the three
-- spellings of the text below must stay the same.

CREATE VIRTUAL TABLE CustomerSearch USING fts5(body, content = '', tokenize = 'trigram');

CREATE VIRTUAL TABLE CustomerSearchTerms USING fts5vocab(CustomerSearch, 'row');

CREATE VIEW CustomerSearchText (id, body) AS
SELECT rowid,
       ifnull(cCusCode, '') || char(10) || ifnull(cCusName, '') || char(10)
       || ifnull(cCusAbbName, '') || char(10) || ifnull(cCusMnemCode, '') || char(10)
       || ifnull(cCusPhone, '') || char(10) || ifnull(cCusHand, '') || char(10)
       || ifnull(cCusRegCode, '') || char(10) || char(10)
FROM Customer;

CREATE TRIGGER CustomerSearch_Insert AFTER INSERT ON Customer
BEGIN
    INSERT INTO CustomerSearch (rowid, body)
    VALUES (new.rowid,
            ifnull(new.cCusCode, '') || char(10) || ifnull(new.cCusName, '') || char(10)
            || ifnull(new.cCusAbbName, '') || char(10) || ifnull(new.cCusMnemCode, '') || char(10)
            || ifnull(new.cCusPhone, '') || char(10) || ifnull(new.cCusHand, '') || char(10)
            || ifnull(new.cCusRegCode, '') || char(10) || char(10));
END;

CREATE TRIGGER CustomerSearch_Delete AFTER DELETE ON Customer
BEGIN
    INSERT INTO CustomerSearch (CustomerSearch, rowid, body)
    VALUES ('delete', old.rowid,
            ifnull(old.cCusCode, '') || char(10) || ifnull(old.cCusName, '') || char(10)
            || ifnull(old.cCusAbbName, '') || char(10) || ifnull(old.cCusMnemCode, '') || char(10)
            || ifnull(old.cCusPhone, '') || char(10) || ifnull(old.cCusHand, '') || char(10)
            || ifnull(old.cCusRegCode, '') || char(10) || char(10));
END;

CREATE TRIGGER CustomerSearch_Update
AFTER UPDATE OF cCusCode, cCusName, cCusAbbName, cCusMnemCode, cCusPhone, cCusHand, cCusRegCode
ON Customer
BEGIN
    INSERT INTO CustomerSearch (CustomerSearch, rowid, body)
    VALUES ('delete', old.rowid,
            ifnull(old.cCusCode, '') || char(10) || ifnull(old.cCusName, '') || char(10)
            || ifnull(old.cCusAbbName, '') || char(10) || ifnull(old.cCusMnemCode, '') || char(10)
            || ifnull(old.cCusPhone, '') || char(10) || ifnull(old.cCusHand, '') || char(10)
            || ifnull(old.cCusRegCode, '') || char(10) || char(10));
    INSERT INTO CustomerSearch (rowid, body)
    VALUES (new.rowid,
            ifnull(new.cCusCode, '') || char(10) || ifnull(new.cCusName, '') || char(10)
            || ifnull(new.cCusAbbName, '') || char(10) || ifnull(new.cCusMnemCode, '') || char(10)
            || ifnull(new.cCusPhone, '') || char(10) || ifnull(new.cCusHand, '') || char(10)
            || ifnull(new.cCusRegCode, '') || char(10) || char(10));
END;
