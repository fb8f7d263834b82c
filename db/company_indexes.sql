-- Secondary indexes of the company database, created after the data is loaded (building an
-- index once is much cheaper than keeping it up to date row by row). The reference tables are
-- found by their codes through their primary keys; these serve the list's pages and district
-- filter, the name look-ups of the card, the credit and salesperson follow-ups and the
-- sub-records of a customer. demo::CompanyIndexes brings a company made by an earlier version
-- up to this list; it relies on the file holding nothing but CREATE INDEX statements.

-- The list reads the codes of a page in code order, filtered by the transfer flag and by a
-- class prefix (cCCCode like '01%'). Holding all three, the index answers that without the
-- table, and a class filter walks the codes in order and stops once the page is full.
CREATE INDEX IX_Customer_List ON Customer (cCusCode, bTransFlag, cCCCode);
-- Counts the customers of a class by its prefix alone. SQLite knows nothing of how many codes
-- a prefix takes and would sort a whole class for every page by this index; the translation
-- marks a prefix of a column like the class as likely, which keeps the pages on the one above.
CREATE INDEX IX_Customer_Class ON Customer (cCCCode, bTransFlag);
CREATE INDEX IX_Customer_cDCCode ON Customer (cDCCode);
CREATE INDEX IX_Customer_cCusName ON Customer (cCusName);
CREATE INDEX IX_Customer_cCusAbbName ON Customer (cCusAbbName);
CREATE INDEX IX_Customer_cCusCreditCompany ON Customer (cCusCreditCompany);
CREATE INDEX IX_Customer_cCusPPerson ON Customer (cCusPPerson);
CREATE INDEX IX_Customer_cCusDepart ON Customer (cCusDepart);
CREATE INDEX IX_Person_cDepCode ON Person (cDepCode);
CREATE INDEX IX_Vendor_cRelCustomer ON Vendor (cRelCustomer);
CREATE INDEX IX_HR_CT007_cpCodeID ON HR_CT007 (cpCodeID);
CREATE INDEX IX_HR_CT007_vsimpleName ON HR_CT007 (vsimpleName);
CREATE INDEX IX_CusDeliverAdd_cCusCode ON CusDeliverAdd (cCusCode);
CREATE INDEX IX_CusDeliverAdd_cCusAddressGUID ON CusDeliverAdd (cCusAddressGUID);
CREATE INDEX IX_CustomerBank_cCusCode ON CustomerBank (cCusCode);
CREATE INDEX IX_CustomerInvoiceCorp_cCusCode ON CustomerInvoiceCorp (cCusCode);
CREATE INDEX IX_CustomerPerson_cCusCode ON CustomerPerson (cCusCode);
CREATE INDEX IX_customer_auth_Account_ID ON customer_auth (Account_ID);
CREATE INDEX IX_Crm_Contact_cCusCode ON Crm_Contact (cCusCode);
CREATE INDEX IX_Crm_Contact_cContactCode ON Crm_Contact (cContactCode);
CREATE INDEX IX_Ar_Detail_cDwCode ON Ar_Detail (cDwCode, dVouchDate);
CREATE INDEX IX_customer_import_iSourceId ON customer_import (iSourceId, iSourceType);
CREATE INDEX IX_customer_import_cCusCode ON customer_import (cCusCode);
CREATE INDEX IX_Customer_cCusHeadCode ON Customer (cCusHeadCode);
CREATE INDEX IX_Customer_cInvoiceCompany ON Customer (cInvoiceCompany);
CREATE INDEX IX_CustomerInvoiceCorp_cInvoiceCompany ON CustomerInvoiceCorp (cInvoiceCompany);
