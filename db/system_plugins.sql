-- The archive plug-ins the demo company 001 uses: the credit review page of the customer card,
-- the plug-in the product ships in the "plugins" folder beside the program. A company made with
-- init-demo --no-plugins goes without this script.

UPDATE ua_account SET cPlugInPath = N'plugins' WHERE cAcc_Id = N'001';

INSERT INTO AA_ArchivePlugIn (cAcc_Id, cArchive, cPlugInName, cPlugInFile, bEnabled, iOrder)
VALUES (N'001', N'Customer', N'CreditReview', N'libcreditreview.so', 1, 1);
