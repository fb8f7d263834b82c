-- What the customer list needs of a PostgreSQL company beyond the tables and indexes, written
-- in PostgreSQL's own dialect; demo::ServerDemoCompany runs it once the customers are loaded,
-- beside the indexes of company_indexes.sql, on two connections (see demo::CompletionSchedule).
-- The trigram index takes longest and comes first.
--
-- The quick search: CONTAINS(Customer.*, ...) arrives as this text of the searched fields,
-- each followed by a line end, ILIKE '%phrase%'. A trigram index on the very same expression
-- finds a phrase of three characters or more without reading every customer.
CREATE INDEX customer_search ON customer USING gin ((coalesce(ccuscode::text, '') || chr(10)
    || coalesce(ccusname::text, '') || chr(10) || coalesce(ccusabbname::text, '') || chr(10)
    || coalesce(ccusmnemcode::text, '') || chr(10) || coalesce(ccusphone::text, '') || chr(10)
    || coalesce(ccushand::text, '') || chr(10) || coalesce(ccusregcode::text, ''))
    gin_trgm_ops);

-- Every list reads "isnull(bTransFlag, 0) = 0", which arrives as coalesce(btransflag, 0) = 0.
-- Without statistics of that expression the planner guesses it keeps one row in two hundred,
-- and then sorts the few rows it expects instead of reading them in the order's index.
CREATE STATISTICS customer_trans_flag ON (coalesce(btransflag, 0)) FROM customer;

-- A phrase of one or two characters makes no trigram. The letters beyond ASCII of the same text
-- (Chinese above all), each an element of an array, find the rows that hold a letter of such
-- a phrase; ASCII letters are in most rows and are found early in the list's order.
CREATE INDEX customer_search_letters ON customer USING gin (string_to_array(regexp_replace(lower(
    (coalesce(ccuscode::text, '') || chr(10) || coalesce(ccusname::text, '') || chr(10)
    || coalesce(ccusabbname::text, '') || chr(10) || coalesce(ccusmnemcode::text, '') || chr(10)
    || coalesce(ccusphone::text, '') || chr(10) || coalesce(ccushand::text, '') || chr(10)
    || coalesce(ccusregcode::text, ''))), '[\x01-\x7f]+', '', 'g'), NULL));
