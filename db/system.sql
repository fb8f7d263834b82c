-- System database kvsystem: the accounts (companies) with their years and started subsystems,
-- the users who may log in, and the function locks held by logged-in users. Company databases
-- reach it as kvsystem..<table>.
--
-- Written in SQL Server's dialect; the data service translates it for its backend. The rows
-- at the end are those of the demo company 001, year 2026.

CREATE TABLE ua_account (
    cAcc_Id nvarchar(3) NOT NULL PRIMARY KEY,
    cAcc_Name nvarchar(100) NOT NULL,
    cAcc_Path nvarchar(255) NULL,
    iYear int NOT NULL,
    iMonth int NOT NULL DEFAULT (1),
    cAcc_Master nvarchar(20) NULL,
    cUnitName nvarchar(100) NULL,
    cUnitAbbre nvarchar(60) NULL,
    cUnitAddr nvarchar(255) NULL,
    cUnitTel nvarchar(100) NULL,
    cUnitTaxNo nvarchar(50) NULL,
    cCurCode nvarchar(8) NULL,
    cCurName nvarchar(50) NULL,
    cTradeKind nvarchar(50) NULL,
    dAcc_Create datetime NULL DEFAULT (getdate()),
    -- Folder of the account's archive plug-in libraries (AA_ArchivePlugIn); a relative folder
    -- lies under the program's folder; empty: the suite's installation folder.
    cPlugInPath nvarchar(255) NULL
);

-- The years of an account and the subsystems started in them (a module is in use when its row
-- exists and bStarted is set).
CREATE TABLE ua_account_sub (
    cAcc_Id nvarchar(3) NOT NULL,
    iYear int NOT NULL,
    cSub_Id nvarchar(4) NOT NULL,
    cSubName nvarchar(60) NULL,
    bStarted bit NOT NULL DEFAULT (0),
    dSubSysUsed datetime NULL,
    PRIMARY KEY (cAcc_Id, iYear, cSub_Id)
);

CREATE TABLE ua_user (
    cUser_Id nvarchar(20) NOT NULL PRIMARY KEY,
    cUser_Name nvarchar(40) NOT NULL,
    cPassword nvarchar(128) NULL,
    cDept nvarchar(60) NULL,
    cEmail nvarchar(100) NULL,
    bAdmin bit NOT NULL DEFAULT (0),
    nState int NOT NULL DEFAULT (0),
    dCreateDate datetime NULL DEFAULT (getdate())
);

-- Which users may work in which account and year.
CREATE TABLE ua_user_account (
    cUser_Id nvarchar(20) NOT NULL,
    cAcc_Id nvarchar(3) NOT NULL,
    iYear int NOT NULL,
    PRIMARY KEY (cUser_Id, cAcc_Id, iYear)
);

-- The suite's built-in service users: who may log in to which subsystem of an account through
-- the suite's framework login. They are no users of the host and cannot open its windows.
-- Passwords are kept as ua_user keeps them.
CREATE TABLE ua_serviceuser (
    cUser_Id nvarchar(20) NOT NULL,
    cAcc_Id nvarchar(3) NOT NULL,
    cSub_Id nvarchar(4) NOT NULL,
    cPassword nvarchar(128) NULL,
    PRIMARY KEY (cUser_Id, cAcc_Id, cSub_Id)
);

-- What the framework login hands a service user's session in a subsystem of an account: named
-- texts. "Customer" of the user ASUSER in DP starts with the enterprise's code at the maker's
-- marketing service, after "==" and before the first ";".
CREATE TABLE ua_logininfo (
    cUser_Id nvarchar(20) NOT NULL,
    cAcc_Id nvarchar(3) NOT NULL,
    cSub_Id nvarchar(4) NOT NULL,
    cName nvarchar(60) NOT NULL,
    cValue nvarchar(2000) NULL,
    PRIMARY KEY (cUser_Id, cAcc_Id, cSub_Id, cName)
);

-- Function locks: a user working in a function of an account (task 1 list, 11 add, 2 modify,
-- 8 delete, 3 merge, 7 batch modify), held by a session of ua_tasksession.
CREATE TABLE ua_task (
    AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,
    cAcc_Id nvarchar(3) NOT NULL,
    iYear int NOT NULL,
    cFunction nvarchar(60) NOT NULL,
    iTaskId int NOT NULL,
    cUser_Id nvarchar(20) NOT NULL,
    cStation nvarchar(60) NULL,
    dTime datetime NULL DEFAULT (getdate()),
    cSessionId nvarchar(40) NULL
);

CREATE INDEX IX_ua_task_cFunction ON ua_task (cAcc_Id, iYear, cFunction);

INSERT INTO ua_account (cAcc_Id, cAcc_Name, iYear, iMonth, cAcc_Master, cUnitName, cUnitAbbre,
    cUnitAddr, cUnitTel, cUnitTaxNo, cCurCode, cCurName, cTradeKind, dAcc_Create)
VALUES (N'001', N'演示账套', 2026, 1, N'demo', N'北京凯维商贸有限公司', N'凯维商贸',
    N'北京市海淀区中关村大街27号', N'010-62781234', N'91110108MA01ABCD2X', N'RMB', N'人民币',
    N'批发零售', '2026-01-01');

INSERT INTO ua_account_sub (cAcc_Id, iYear, cSub_Id, cSubName, bStarted, dSubSysUsed) VALUES
    (N'001', 2026, N'AA', N'基础档案', 1, '2026-01-01'),
    (N'001', 2026, N'SA', N'销售管理', 1, '2026-01-01'),
    (N'001', 2026, N'AR', N'应收款管理', 1, '2026-01-01'),
    (N'001', 2026, N'ST', N'库存管理', 1, '2026-01-01'),
    (N'001', 2026, N'CS', N'客户关系管理', 1, '2026-01-01'),
    (N'001', 2026, N'EX', N'出口管理', 0, NULL),
    (N'001', 2026, N'GS', N'GSP质量管理', 0, NULL);

INSERT INTO ua_user (cUser_Id, cUser_Name, cPassword, cDept, cEmail, bAdmin, nState, dCreateDate)
VALUES
    (N'demo', N'演示管理员', N'', N'总经办', N'demo@kaiwei.com.cn', 1, 0, '2026-01-01'),
    (N'sales1', N'王晓明', N'', N'销售一部', N'wangxm@kaiwei.com.cn', 0, 0, '2026-01-01');

INSERT INTO ua_user_account (cUser_Id, cAcc_Id, iYear) VALUES
    (N'demo', N'001', 2026),
    (N'sales1', N'001', 2026);

INSERT INTO ua_serviceuser (cUser_Id, cAcc_Id, cSub_Id, cPassword) VALUES
    (N'ASUSER', N'001', N'DP', N'');

INSERT INTO ua_logininfo (cUser_Id, cAcc_Id, cSub_Id, cName, cValue) VALUES
    (N'ASUSER', N'001', N'DP', N'Customer', N'EntCode==KW20260001;Channel==Veska');

-- The sessions that hold function locks: who works where, so that a refused user learns who
-- holds the function, and so that the locks of a session that died stop counting. A session on
-- the same machine is alive while its process (id and start mark) runs; one on another machine
-- while its heartbeat (UTC seconds) is recent.
CREATE TABLE ua_tasksession (
    cSessionId nvarchar(40) NOT NULL PRIMARY KEY,
    cAcc_Id nvarchar(3) NOT NULL,
    iYear int NOT NULL,
    cUser_Id nvarchar(20) NOT NULL,
    cUser_Name nvarchar(40) NULL,
    cStation nvarchar(60) NOT NULL,
    cMachineId nvarchar(64) NULL,
    iProcessId int NOT NULL,
    cProcessMark nvarchar(80) NULL,
    dStart datetime NOT NULL DEFAULT (getdate()),
    iHeartbeat bigint NOT NULL
);

CREATE INDEX IX_ua_task_cSessionId ON ua_task (cSessionId);

-- The archive plug-ins of each account: which plug-in library serves which archive card
-- (cArchive 'Customer' ...), in which order. A relative cPlugInFile is found in the account's
-- plug-in folder (ua_account.cPlugInPath), else in the suite's installation folder. The demo
-- company's plug-ins are configured by system_plugins.sql.
CREATE TABLE AA_ArchivePlugIn (
    cAcc_Id nvarchar(3) NOT NULL,
    cArchive nvarchar(60) NOT NULL,
    cPlugInName nvarchar(60) NOT NULL,
    cPlugInFile nvarchar(255) NOT NULL,
    bEnabled bit NOT NULL DEFAULT (1),
    iOrder int NOT NULL DEFAULT (0),
    PRIMARY KEY (cAcc_Id, cArchive, cPlugInName)
);
