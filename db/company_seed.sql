-- Reference data of the demo company: a trading company in Beijing that sells all over China.
-- Customers themselves are generated (with their addresses, sub-records and receivables) by
-- the demo generator, which picks its codes from these tables.
--
-- Written in SQL Server's dialect; the data service translates it for its backend.

INSERT INTO GradeDef (KeyWord, cDescription, CODINGRULE, iMaxLength) VALUES
    (N'CustomerClass', N'客户分类', N'222', 6),
    (N'DistrictClass', N'地区分类', N'22', 4),
    (N'Department', N'部门', N'22', 4),
    (N'TradeClass', N'行业分类', N'22', 4),
    (N'SettleStyle', N'结算方式', N'12', 3);

-- Customers are classed by region and province; the two largest provinces are split once more.
INSERT INTO CustomerClass (cCCCode, cCCName, iCCGrade, bCCEnd) VALUES
    (N'01', N'华北区客户', 1, 0),
    (N'0101', N'北京客户', 2, 1),
    (N'0102', N'天津客户', 2, 1),
    (N'0103', N'河北客户', 2, 1),
    (N'0104', N'山西客户', 2, 1),
    (N'0105', N'内蒙古客户', 2, 1),
    (N'02', N'东北区客户', 1, 0),
    (N'0201', N'辽宁客户', 2, 1),
    (N'0202', N'吉林客户', 2, 1),
    (N'0203', N'黑龙江客户', 2, 1),
    (N'03', N'华东区客户', 1, 0),
    (N'0301', N'上海客户', 2, 1),
    (N'0302', N'江苏客户', 2, 0),
    (N'030201', N'苏南客户', 3, 1),
    (N'030202', N'苏中苏北客户', 3, 1),
    (N'0303', N'浙江客户', 2, 1),
    (N'0304', N'安徽客户', 2, 1),
    (N'0305', N'福建客户', 2, 1),
    (N'0306', N'江西客户', 2, 1),
    (N'0307', N'山东客户', 2, 1),
    (N'04', N'华中区客户', 1, 0),
    (N'0401', N'河南客户', 2, 1),
    (N'0402', N'湖北客户', 2, 1),
    (N'0403', N'湖南客户', 2, 1),
    (N'05', N'华南区客户', 1, 0),
    (N'0501', N'广东客户', 2, 0),
    (N'050101', N'珠三角客户', 3, 1),
    (N'050102', N'粤东粤西粤北客户', 3, 1),
    (N'0502', N'广西客户', 2, 1),
    (N'0503', N'海南客户', 2, 1),
    (N'06', N'西南区客户', 1, 0),
    (N'0601', N'重庆客户', 2, 1),
    (N'0602', N'四川客户', 2, 1),
    (N'0603', N'贵州客户', 2, 1),
    (N'0604', N'云南客户', 2, 1),
    (N'0605', N'西藏客户', 2, 1),
    (N'07', N'西北区客户', 1, 0),
    (N'0701', N'陕西客户', 2, 1),
    (N'0702', N'甘肃客户', 2, 1),
    (N'0703', N'青海客户', 2, 1),
    (N'0704', N'宁夏客户', 2, 1),
    (N'0705', N'新疆客户', 2, 1),
    (N'08', N'港澳台客户', 1, 0),
    (N'0801', N'香港客户', 2, 1),
    (N'0802', N'澳门客户', 2, 1),
    (N'0803', N'台湾客户', 2, 1);

-- Sales territories.
INSERT INTO DistrictClass (cDCCode, cDCName, iDCGrade, bDCEnd) VALUES
    (N'01', N'华东大区', 1, 0),
    (N'0101', N'上海', 2, 1),
    (N'0102', N'苏浙皖', 2, 1),
    (N'0103', N'闽赣鲁', 2, 1),
    (N'02', N'华南大区', 1, 0),
    (N'0201', N'粤桂琼', 2, 1),
    (N'0202', N'港澳台', 2, 1),
    (N'03', N'华北大区', 1, 0),
    (N'0301', N'京津', 2, 1),
    (N'0302', N'冀晋蒙', 2, 1),
    (N'04', N'东北大区', 1, 0),
    (N'0401', N'辽吉黑', 2, 1),
    (N'05', N'华中大区', 1, 0),
    (N'0501', N'豫鄂湘', 2, 1),
    (N'06', N'西南大区', 1, 0),
    (N'0601', N'川渝', 2, 1),
    (N'0602', N'云贵藏', 2, 1),
    (N'07', N'西北大区', 1, 0),
    (N'0701', N'陕甘宁', 2, 1),
    (N'0702', N'青新', 2, 1);

INSERT INTO TradeClass (cTradeCCode, cTradeCName, iTradeCGrade, bTradeCEnd) VALUES
    (N'01', N'制造业', 1, 0),
    (N'0101', N'电子设备制造', 2, 1),
    (N'0102', N'通用机械制造', 2, 1),
    (N'0103', N'汽车及零部件', 2, 1),
    (N'0104', N'化学原料及制品', 2, 1),
    (N'0105', N'纺织服装', 2, 1),
    (N'0106', N'食品饮料', 2, 1),
    (N'0107', N'医药制造', 2, 1),
    (N'0108', N'建材家居', 2, 1),
    (N'02', N'批发和零售业', 1, 0),
    (N'0201', N'批发业', 2, 1),
    (N'0202', N'零售业', 2, 1),
    (N'03', N'信息技术服务业', 1, 0),
    (N'0301', N'软件和信息技术服务', 2, 1),
    (N'0302', N'互联网服务', 2, 1),
    (N'04', N'建筑业', 1, 1),
    (N'05', N'交通运输和仓储', 1, 1),
    (N'06', N'电力热力燃气', 1, 1),
    (N'07', N'农林牧渔业', 1, 1);

INSERT INTO Department (cDepCode, cDepName, iDepGrade, bDepEnd, cDepPerson, cDepPhone,
    dDepBeginDate) VALUES
    (N'01', N'总经办', 1, 1, N'022', N'010-62781200', '2008-03-01'),
    (N'02', N'销售中心', 1, 0, N'018', N'010-62781210', '2008-03-01'),
    (N'0201', N'华北销售部', 2, 1, N'001', N'010-62781211', '2008-03-01'),
    (N'0202', N'华东销售部', 2, 1, N'004', N'021-58761230', '2010-06-01'),
    (N'0203', N'华南销售部', 2, 1, N'008', N'020-38261240', '2011-04-01'),
    (N'0204', N'华中销售部', 2, 1, N'011', N'027-85761250', '2014-09-01'),
    (N'0205', N'西部销售部', 2, 1, N'013', N'028-86761260', '2015-03-01'),
    (N'0206', N'东北销售部', 2, 1, N'016', N'024-23761270', '2016-05-01'),
    (N'0207', N'大客户部', 2, 1, N'018', N'010-62781280', '2012-01-01'),
    (N'03', N'市场部', 1, 1, N'024', N'010-62781300', '2008-03-01'),
    (N'04', N'财务部', 1, 1, N'023', N'010-62781400', '2008-03-01'),
    (N'05', N'采购部', 1, 1, N'025', N'010-62781500', '2008-03-01'),
    (N'06', N'仓储物流部', 1, 1, N'026', N'010-62781600', '2008-03-01'),
    (N'07', N'客户服务部', 1, 1, N'027', N'010-62781700', '2009-07-01'),
    (N'08', N'国际业务部', 1, 1, N'020', N'010-62781800', '2013-02-01');

INSERT INTO Person (cPersonCode, cPersonName, cDepCode, cPersonPhone, cPersonEmail,
    fCreditQuantity, dPValidDate) VALUES
    (N'001', N'王晓明', N'0201', N'13910230001', N'wangxm@kaiwei.com.cn', 500000, '2012-03-01'),
    (N'002', N'李建国', N'0201', N'13910230002', N'lijg@kaiwei.com.cn', 500000, '2013-05-01'),
    (N'003', N'张丽华', N'0201', N'13910230003', N'zhanglh@kaiwei.com.cn', 300000, '2018-07-01'),
    (N'004', N'陈志强', N'0202', N'13816540004', N'chenzq@kaiwei.com.cn', 800000, '2010-06-01'),
    (N'005', N'刘芳', N'0202', N'13816540005', N'liuf@kaiwei.com.cn', 500000, '2014-02-01'),
    (N'006', N'杨帆', N'0202', N'13816540006', N'yangf@kaiwei.com.cn', 300000, '2019-09-01'),
    (N'007', N'周敏', N'0202', N'13816540007', N'zhoum@kaiwei.com.cn', 300000, '2021-03-01'),
    (N'008', N'黄伟', N'0203', N'13922870008', N'huangw@kaiwei.com.cn', 800000, '2011-04-01'),
    (N'009', N'吴婷', N'0203', N'13922870009', N'wut@kaiwei.com.cn', 300000, '2017-08-01'),
    (N'010', N'郑浩', N'0203', N'13922870010', N'zhengh@kaiwei.com.cn', 300000, '2020-04-01'),
    (N'011', N'孙磊', N'0204', N'13871260011', N'sunl@kaiwei.com.cn', 500000, '2014-09-01'),
    (N'012', N'朱静', N'0204', N'13871260012', N'zhuj@kaiwei.com.cn', 300000, '2019-03-01'),
    (N'013', N'马超', N'0205', N'13908170013', N'mac@kaiwei.com.cn', 500000, '2015-03-01'),
    (N'014', N'胡晓燕', N'0205', N'13908170014', N'huxy@kaiwei.com.cn', 300000, '2018-11-01'),
    (N'015', N'郭峰', N'0205', N'13908170015', N'guof@kaiwei.com.cn', 300000, '2022-06-01'),
    (N'016', N'林涛', N'0206', N'13840020016', N'lint@kaiwei.com.cn', 500000, '2016-05-01'),
    (N'017', N'何雪', N'0206', N'13840020017', N'hex@kaiwei.com.cn', 300000, '2020-10-01'),
    (N'018', N'高翔', N'0207', N'13910230018', N'gaox@kaiwei.com.cn', 2000000, '2012-01-01'),
    (N'019', N'罗琳', N'0207', N'13910230019', N'luol@kaiwei.com.cn', 1500000, '2016-01-01'),
    (N'020', N'梁思远', N'08', N'13910230020', N'liangsy@kaiwei.com.cn', 1000000, '2013-02-01'),
    (N'021', N'宋佳', N'08', N'13910230021', N'songj@kaiwei.com.cn', 500000, '2019-05-01'),
    (N'022', N'赵永刚', N'01', N'13910230022', N'zhaoyg@kaiwei.com.cn', NULL, '2008-03-01'),
    (N'023', N'钱敏', N'04', N'13910230023', N'qianm@kaiwei.com.cn', NULL, '2008-03-01'),
    (N'024', N'冯霞', N'03', N'13910230024', N'fengx@kaiwei.com.cn', NULL, '2009-04-01'),
    (N'025', N'许强', N'05', N'13910230025', N'xuq@kaiwei.com.cn', NULL, '2008-03-01'),
    (N'026', N'韩冬', N'06', N'13910230026', N'hand@kaiwei.com.cn', NULL, '2010-01-01'),
    (N'027', N'曹颖', N'07', N'13910230027', N'caoy@kaiwei.com.cn', NULL, '2009-07-01');

INSERT INTO Warehouse (cWhCode, cWhName, cDepCode, cWhAddress, cWhPhone, cWhPerson) VALUES
    (N'01', N'北京总仓', N'06', N'北京市大兴区金星西路12号', N'010-69251001', N'韩冬'),
    (N'02', N'上海仓', N'06', N'上海市嘉定区兴贤路1388号', N'021-59901002', N'陈志强'),
    (N'03', N'广州仓', N'06', N'广东省广州市黄埔区开创大道268号', N'020-82201003', N'黄伟'),
    (N'04', N'武汉仓', N'06', N'湖北省武汉市东西湖区走马岭路66号', N'027-83201004', N'孙磊'),
    (N'05', N'成都仓', N'06', N'四川省成都市新都区物流大道188号', N'028-83901005', N'马超'),
    (N'06', N'沈阳仓', N'06', N'辽宁省沈阳市于洪区沙岭路99号', N'024-25301006', N'林涛'),
    (N'07', N'西安仓', N'06', N'陕西省西安市灞桥区港务大道77号', N'029-83601007', N'胡晓燕'),
    (N'08', N'香港中转仓', N'08', N'香港新界葵涌货柜码头路88号', N'00852-24801008', N'梁思远'),
    (N'09', N'退货仓', N'06', N'北京市大兴区金星西路12号', N'010-69251009', N'韩冬');

-- Suppliers and, with bVenService, the forwarders, brokers and insurers export customers use.
-- Vendors that are also customers are added by the demo generator.
INSERT INTO Vendor (cVenCode, cVenName, cVenAbbName, cDCCode, cVenTradeCCode, cVenLPerson,
    cVenAddress, cVenPostCode, cVenPerson, cVenPhone, cVenFax, cVenEmail, cVenHand, bVenService,
    dVenDevDate) VALUES
    (N'V001', N'深圳市华强电子元器件有限公司', N'华强电子', N'0201', N'0101', N'刘志华', N'广东省深圳市福田区华强北路1019号', N'518031', N'周先生', N'0755-83211001', N'0755-83211002', N'sales@hqdz.com.cn', N'13923451001', 0, '2010-05-12'),
    (N'V002', N'苏州恒润精密机械有限公司', N'恒润机械', N'0102', N'0102', N'顾建平', N'江苏省苏州市吴中区东吴北路288号', N'215128', N'沈经理', N'0512-65281001', N'0512-65281002', N'info@hrjm.com.cn', N'13862101002', 0, '2011-08-20'),
    (N'V003', N'宁波东海化工股份有限公司', N'东海化工', N'0102', N'0104', N'王海东', N'浙江省宁波市北仑区新碶大港路66号', N'315800', N'徐经理', N'0574-86881003', N'0574-86881004', N'dhhg@dhchem.com.cn', N'13905741003', 0, '2012-03-15'),
    (N'V004', N'广州白云纺织品进出口有限公司', N'白云纺织', N'0201', N'0105', N'陈国梁', N'广东省广州市白云区机场路1128号', N'510405', N'梁小姐', N'020-86301005', N'020-86301006', N'byfz@byfz.com.cn', N'13802201004', 0, '2013-06-01'),
    (N'V005', N'山东鲁源食品有限公司', N'鲁源食品', N'0103', N'0106', N'孔祥瑞', N'山东省济南市历城区工业北路158号', N'250100', N'孟经理', N'0531-88011007', N'0531-88011008', N'ly@lyfood.com.cn', N'13705311005', 0, '2014-01-10'),
    (N'V006', N'武汉长江医药集团有限公司', N'长江医药', N'0501', N'0107', N'万长江', N'湖北省武汉市江汉区建设大道568号', N'430022', N'余经理', N'027-85721009', N'027-85721010', N'cjyy@cjpharm.com.cn', N'13907101006', 0, '2014-09-18'),
    (N'V007', N'佛山南方建材有限公司', N'南方建材', N'0201', N'0108', N'何志坚', N'广东省佛山市禅城区季华五路33号', N'528000', N'冯先生', N'0757-83301011', N'0757-83301012', N'nfjc@nfjc.com.cn', N'13929901007', 0, '2015-04-22'),
    (N'V008', N'上海浦江汽车零部件有限公司', N'浦江汽配', N'0101', N'0103', N'钱浦江', N'上海市嘉定区安亭镇墨玉路185号', N'201805', N'陆经理', N'021-69571013', N'021-69571014', N'pjqp@pjauto.com.cn', N'13601701008', 0, '2015-11-05'),
    (N'V009', N'杭州西子软件技术有限公司', N'西子软件', N'0102', N'0301', N'林西子', N'浙江省杭州市西湖区文三路90号', N'310012', N'方经理', N'0571-88231015', N'0571-88231016', N'xzrj@xzsoft.com.cn', N'13805711009', 0, '2016-02-14'),
    (N'V010', N'天津海河新材料有限公司', N'海河材料', N'0301', N'0104', N'赵海河', N'天津市滨海新区黄海路276号', N'300457', N'孙经理', N'022-66221017', N'022-66221018', N'hhxc@hhmat.com.cn', N'13802201010', 0, '2016-07-30'),
    (N'V011', N'成都天府粮油有限公司', N'天府粮油', N'0601', N'0106', N'李天府', N'四川省成都市新都区大丰街道蓉都大道9号', N'610500', N'杜经理', N'028-83971019', N'028-83971020', N'tfly@tfly.com.cn', N'13908201011', 0, '2017-03-03'),
    (N'V012', N'东莞华盛电子科技有限公司', N'华盛电子', N'0201', N'0101', N'黄华盛', N'广东省东莞市长安镇振安中路368号', N'523850', N'钟先生', N'0769-85391021', N'0769-85391022', N'hsdz@hsdz.com.cn', N'13926901012', 0, '2017-10-16'),
    (N'V013', N'青岛海湾家电配件有限公司', N'海湾配件', N'0103', N'0101', N'于海湾', N'山东省青岛市黄岛区长江中路520号', N'266555', N'隋经理', N'0532-86981023', N'0532-86981024', N'hwpj@hwparts.com.cn', N'13906391013', 0, '2018-05-08'),
    (N'V014', N'合肥徽商电器有限公司', N'徽商电器', N'0102', N'0101', N'汪徽', N'安徽省合肥市蜀山区长江西路688号', N'230088', N'程经理', N'0551-65311025', N'0551-65311026', N'hsdq@hsdq.com.cn', N'13905511014', 0, '2018-12-12'),
    (N'V015', N'厦门鹭岛包装材料有限公司', N'鹭岛包装', N'0103', N'0104', N'吴鹭岛', N'福建省厦门市湖里区湖里大道31号', N'361006', N'蔡经理', N'0592-56211027', N'0592-56211028', N'ldbz@ldpack.com.cn', N'13906001015', 0, '2019-06-25'),
    (N'V016', N'郑州中原机电设备有限公司', N'中原机电', N'0501', N'0102', N'郑中原', N'河南省郑州市金水区花园路139号', N'450003', N'贾经理', N'0371-65711029', N'0371-65711030', N'zyjd@zyjd.com.cn', N'13903711016', 0, '2020-01-09'),
    (N'V017', N'长沙湘江建材股份有限公司', N'湘江建材', N'0501', N'0108', N'谭湘江', N'湖南省长沙市岳麓区麓谷大道627号', N'410205', N'彭经理', N'0731-88901031', N'0731-88901032', N'xjjc@xjjc.com.cn', N'13907311017', 0, '2020-08-19'),
    (N'V018', N'沈阳北方重工配套有限公司', N'北方重工', N'0401', N'0102', N'高北方', N'辽宁省沈阳市铁西区北二东路27号', N'110021', N'曲经理', N'024-25811033', N'024-25811034', N'bfzg@bfzg.com.cn', N'13904001018', 0, '2021-04-02'),
    (N'V019', N'西安秦川电子有限公司', N'秦川电子', N'0701', N'0101', N'秦川', N'陕西省西安市高新区锦业路69号', N'710065', N'雷经理', N'029-88321035', N'029-88321036', N'qcdz@qcdz.com.cn', N'13909181019', 0, '2021-11-11'),
    (N'V020', N'昆明滇池生物科技有限公司', N'滇池生物', N'0602', N'0107', N'段滇池', N'云南省昆明市官渡区春城路289号', N'650200', N'杨经理', N'0871-63121037', N'0871-63121038', N'dcsw@dcbio.com.cn', N'13908711020', 0, '2022-07-07'),
    (N'V021', N'中外运华北物流有限公司', N'中外运华北', N'0301', N'05', N'孙运华', N'天津市滨海新区新港二号路35号', N'300456', N'王调度', N'022-25701041', N'022-25701042', N'hb@zwywl.com.cn', N'13802201021', 1, '2012-02-01'),
    (N'V022', N'上海东方国际货运代理有限公司', N'东方货代', N'0101', N'05', N'陆东方', N'上海市浦东新区外高桥港区洲海路999号', N'200137', N'朱小姐', N'021-50461043', N'021-50461044', N'ops@dfhy.com.cn', N'13601701022', 1, '2012-06-15'),
    (N'V023', N'深圳前海报关服务有限公司', N'前海报关', N'0201', N'05', N'邓前海', N'广东省深圳市南山区前海大道1号', N'518052', N'邓先生', N'0755-86961045', N'0755-86961046', N'bg@qhbg.com.cn', N'13923451023', 1, '2013-09-09'),
    (N'V024', N'宁波港通国际物流有限公司', N'港通物流', N'0102', N'05', N'应港通', N'浙江省宁波市北仑区明州路558号', N'315800', N'应经理', N'0574-86201047', N'0574-86201048', N'gt@gtlogistics.com.cn', N'13905741024', 1, '2014-03-20'),
    (N'V025', N'香港利通船务代理有限公司', N'利通船务', N'0202', N'05', N'李利通', N'香港九龙尖沙咀广东道33号', N'999077', N'Mr. Lee', N'00852-27361049', N'00852-27361050', N'shipping@leetong.com.hk', N'85291231025', 1, '2015-08-08'),
    (N'V026', N'中国人民财产保险股份有限公司北京分公司', N'人保财险北京', N'0301', N'06', N'张保民', N'北京市西城区西长安街88号', N'100031', N'刘经理', N'010-66091051', N'010-66091052', N'bj@picc.com.cn', N'13910231026', 1, '2012-01-05'),
    (N'V027', N'青岛海运报关行有限公司', N'青岛报关', N'0103', N'05', N'于海运', N'山东省青岛市市北区新疆路8号', N'266011', N'隋小姐', N'0532-82821053', N'0532-82821054', N'qdbg@qdbg.com.cn', N'13906391027', 1, '2016-10-10'),
    (N'V028', N'厦门国际货运有限公司', N'厦门货运', N'0103', N'05', N'吴国运', N'福建省厦门市湖里区港中路1688号', N'361006', N'黄先生', N'0592-56011055', N'0592-56011056', N'xm@xmfreight.com.cn', N'13906001028', 1, '2018-04-18');

INSERT INTO PayCondition (cPayCode, cPayName, iPayCreDays, fDiscountRate) VALUES
    (N'01', N'现款现货', 0, 0),
    (N'02', N'月结30天', 30, 0),
    (N'03', N'月结60天', 60, 0),
    (N'04', N'月结90天', 90, 0),
    (N'05', N'2/10,n/30', 30, 2),
    (N'06', N'预付30%,发货前付清', 0, 0),
    (N'07', N'票到90天', 90, 0);

INSERT INTO ShippingChoice (cSCCode, cSCName, cSCMemo) VALUES
    (N'01', N'公路运输', N'整车或零担'),
    (N'02', N'铁路运输', NULL),
    (N'03', N'航空运输', N'急件'),
    (N'04', N'海运', N'出口及港澳台'),
    (N'05', N'快递', N'小件样品'),
    (N'06', N'客户自提', NULL);

INSERT INTO SettleStyle (cSSCode, cSSName, iSSGrade, bSSEnd) VALUES
    (N'1', N'现金', 1, 1),
    (N'2', N'支票', 1, 0),
    (N'201', N'现金支票', 2, 1),
    (N'202', N'转账支票', 2, 1),
    (N'3', N'电汇', 1, 1),
    (N'4', N'银行承兑汇票', 1, 1),
    (N'5', N'商业承兑汇票', 1, 1),
    (N'6', N'网上银行', 1, 1);

INSERT INTO tc_type (type_code, type_name, obj_type, stop_flag, bdefault) VALUES
    (N'01', N'普通客户', 1, 0, 1),
    (N'02', N'重点客户', 1, 0, 0),
    (N'03', N'战略客户', 1, 0, 0),
    (N'04', N'潜在客户', 1, 0, 0),
    (N'05', N'停用客户类型', 1, 1, 0),
    (N'01', N'普通供应商', 2, 0, 1),
    (N'02', N'战略供应商', 2, 0, 0);

INSERT INTO AA_Agreement (cCode, cName, iLZYJ, dBeginDate, dEndDate, cMemo) VALUES
    (N'XS001', N'年度销售框架协议', 0, '2026-01-01', '2026-12-31', NULL),
    (N'XS002', N'月结30天销售协议', 0, '2025-01-01', NULL, NULL),
    (N'XS003', N'经销商返利协议', 1, '2026-01-01', '2026-12-31', N'季度返利'),
    (N'XS004', N'预收款销售协议', 1, '2024-01-01', NULL, NULL),
    (N'CK001', N'一般贸易出口协议', 2, '2025-01-01', NULL, N'T/T 30天'),
    (N'CK002', N'信用证出口协议', 3, '2025-01-01', NULL, N'即期信用证'),
    (N'DX001', N'委托代销协议', 5, '2025-07-01', NULL, NULL),
    (N'DX002', N'受托代销协议', 6, '2025-07-01', NULL, NULL),
    (N'DX003', N'寄售结算协议', 8, '2026-01-01', NULL, N'按月结算'),
    (N'DX004', N'分期收款协议', 9, '2026-01-01', NULL, N'分三期'),
    (N'JK001', N'进口代理协议', 12, '2025-01-01', NULL, NULL);

INSERT INTO foreigncurrency (cexch_name, cexch_code, iDec, nRate, bCal) VALUES
    (N'人民币', N'RMB', 2, 1, 0),
    (N'美元', N'USD', 2, 7.1, 1),
    (N'欧元', N'EUR', 2, 7.75, 1),
    (N'港币', N'HKD', 2, 0.91, 1),
    (N'日元', N'JPY', 0, 0.048, 1);

INSERT INTO CustomerRank (cCusRankCode, cCusRankName, cMemo) VALUES
    (N'01', N'A级', N'战略合作'),
    (N'02', N'B级', N'重要客户'),
    (N'03', N'C级', N'普通客户'),
    (N'04', N'D级', N'小额客户');

INSERT INTO AA_Bank (cBankCode, cBankName, cBankEnName) VALUES
    (N'01', N'中国工商银行', N'Industrial and Commercial Bank of China'),
    (N'02', N'中国农业银行', N'Agricultural Bank of China'),
    (N'03', N'中国银行', N'Bank of China'),
    (N'04', N'中国建设银行', N'China Construction Bank'),
    (N'05', N'交通银行', N'Bank of Communications'),
    (N'06', N'招商银行', N'China Merchants Bank'),
    (N'07', N'中信银行', N'China CITIC Bank'),
    (N'08', N'上海浦东发展银行', N'Shanghai Pudong Development Bank'),
    (N'09', N'兴业银行', N'Industrial Bank'),
    (N'10', N'中国民生银行', N'China Minsheng Bank'),
    (N'11', N'平安银行', N'Ping An Bank'),
    (N'12', N'汇丰银行', N'HSBC');

INSERT INTO EX_Nation (cNationCode, cNationName, cNationEnName) VALUES
    (N'CHN', N'中国', N'China'),
    (N'HKG', N'中国香港', N'Hong Kong, China'),
    (N'MAC', N'中国澳门', N'Macao, China'),
    (N'TWN', N'中国台湾', N'Taiwan, China'),
    (N'USA', N'美国', N'United States'),
    (N'JPN', N'日本', N'Japan'),
    (N'KOR', N'韩国', N'Korea'),
    (N'DEU', N'德国', N'Germany'),
    (N'GBR', N'英国', N'United Kingdom'),
    (N'FRA', N'法国', N'France'),
    (N'SGP', N'新加坡', N'Singapore'),
    (N'AUS', N'澳大利亚', N'Australia');

INSERT INTO EX_Port (cPortCode, cPortName, cNationCode, iPortattrid) VALUES
    (N'CNSHA', N'上海港', N'CHN', 0),
    (N'CNNGB', N'宁波舟山港', N'CHN', 0),
    (N'CNSZX', N'深圳港', N'CHN', 0),
    (N'CNTAO', N'青岛港', N'CHN', 0),
    (N'CNTSN', N'天津港', N'CHN', 0),
    (N'CNXMN', N'厦门港', N'CHN', 0),
    (N'CNPEK', N'北京首都国际机场', N'CHN', 1),
    (N'HKHKG', N'香港港', N'HKG', 2),
    (N'MOMFM', N'澳门港', N'MAC', 2),
    (N'TWKHH', N'高雄港', N'TWN', 2),
    (N'TWKEL', N'基隆港', N'TWN', 2),
    (N'USLAX', N'洛杉矶港', N'USA', 2),
    (N'DEHAM', N'汉堡港', N'DEU', 2),
    (N'JPTYO', N'东京港', N'JPN', 2),
    (N'SGSIN', N'新加坡港', N'SGP', 2);

INSERT INTO AccInformation (cSysID, cID, cName, cCaption, cType, cValue, cDefault) VALUES
    (N'AA', N'20', N'iStrsPriDecDgt', N'单价小数位数', N'int', N'2', N'2'),
    (N'AA', N'21', N'iStrsQuanDecDgt', N'数量小数位数', N'int', N'2', N'2'),
    (N'AA', N'22', N'iRateDecDgt', N'税率小数位数', N'int', N'2', N'2'),
    (N'AA', N'23', N'iExchRateDecDgt', N'汇率小数位数', N'int', N'4', N'4'),
    (N'AA', N'30', N'AutoCreateMnemCodeCustomer', N'客户助记码自动生成', N'bool', N'1', N'0'),
    (N'AA', N'31', N'AutoCreateMnemCodeVendor', N'供应商助记码自动生成', N'bool', N'1', N'0'),
    (N'AA', N'40', N'bCusCodeByClass', N'客户编码按分类编码', N'bool', N'0', N'0'),
    (N'AA', N'60', N'cMarketingServiceUrl', N'营销服务地址', N'text', N'http://127.0.0.1:8765', N''),
    (N'AA', N'61', N'bMarketingIgnoreCertErrors', N'营销服务忽略证书错误', N'bool', N'0', N'0'),
    (N'AA', N'62', N'iMarketingResolveTimeout', N'营销服务域名解析超时(毫秒)', N'int', N'60000', N'60000'),
    (N'AA', N'63', N'iMarketingConnectTimeout', N'营销服务连接超时(毫秒)', N'int', N'60000', N'60000'),
    (N'AA', N'64', N'iMarketingSendTimeout', N'营销服务发送超时(毫秒)', N'int', N'60000', N'60000'),
    (N'AA', N'65', N'iMarketingReceiveTimeout', N'营销服务接收超时(毫秒)', N'int', N'30000', N'30000'),
    (N'AA', N'70', N'cMapTileUrl', N'地图瓦片地址', N'text', N'https://tile.openstreetmap.org/{z}/{x}/{y}.png', N'https://tile.openstreetmap.org/{z}/{x}/{y}.png'),
    (N'AA', N'71', N'cMapGeocoderUrl', N'地图地址解析服务', N'text', N'', N''),
    (N'ST', N'01', N'bAllowNegativeStock', N'允许零出库', N'bool', N'0', N'0'),
    (N'ST', N'02', N'iStrsPriDecDgt', N'库存单价小数位数', N'int', N'2', N'2'),
    (N'GS', N'01', N'bGSPControl', N'启用GSP质量控制', N'bool', NULL, N'false'),
    (N'GS', N'02', N'bLicenceWarning', N'证照到期预警', N'bool', N'true', N'false');

INSERT INTO userdef (cClass, CItem, cItemName, cDicDbName, cType, iLength, iDecimalDigits, cID)
VALUES
    (N'客户', N'自定义项1', N'行业细分', N'cCusDefine1', N'文本', 20, NULL, N'01'),
    (N'客户', N'自定义项2', N'客户来源', N'cCusDefine2', N'文本', 20, NULL, N'02'),
    (N'客户', N'自定义项3', N'开票类型', N'cCusDefine3', N'文本', 20, NULL, N'03'),
    (N'客户', N'自定义项4', NULL, N'cCusDefine4', N'文本', 60, NULL, NULL),
    (N'客户', N'自定义项5', N'对接人职务', N'cCusDefine5', N'文本', 60, NULL, N'05'),
    (N'客户', N'自定义项6', NULL, N'cCusDefine6', N'文本', 60, NULL, NULL),
    (N'客户', N'自定义项7', N'', N'cCusDefine7', N'文本', 120, NULL, NULL),
    (N'客户', N'自定义项8', NULL, N'cCusDefine8', N'文本', 120, NULL, NULL),
    (N'客户', N'自定义项9', NULL, N'cCusDefine9', N'文本', 120, NULL, NULL),
    (N'客户', N'自定义项10', NULL, N'cCusDefine10', N'文本', 120, NULL, NULL),
    (N'客户', N'自定义项11', N'合作年限', N'cCusDefine11', N'整型', NULL, NULL, NULL),
    (N'客户', N'自定义项12', NULL, N'cCusDefine12', N'整型', NULL, NULL, NULL),
    (N'客户', N'自定义项13', N'年采购额(万元)', N'cCusDefine13', N'数字', NULL, 2, NULL),
    (N'客户', N'自定义项14', N'信用评分', N'cCusDefine14', N'数字', NULL, 1, NULL),
    (N'客户', N'自定义项15', N'签约日期', N'cCusDefine15', N'日期', NULL, NULL, NULL),
    (N'客户', N'自定义项16', NULL, N'cCusDefine16', N'日期', NULL, NULL, NULL),
    (N'客户', N'扩展自定义项1', N'客户规模', N'cCDefine1', N'文本', 120, NULL, N'11'),
    (N'客户', N'扩展自定义项2', N'经营模式', N'cCDefine2', N'文本', 120, NULL, N'12'),
    (N'客户', N'扩展自定义项3', N'注册资本(万元)', N'cCDefine3', N'数字', NULL, 2, NULL),
    (N'客户', N'扩展自定义项4', N'首次合作日期', N'cCDefine4', N'日期', NULL, NULL, NULL),
    (N'客户', N'扩展自定义项5', N'门店数量', N'cCDefine5', N'整型', NULL, NULL, NULL),
    (N'客户', N'扩展自定义项6', N'最近拜访时间', N'cCDefine6', N'日期时间', NULL, NULL, NULL),
    (N'客户', N'扩展自定义项7', N'开票备注', N'cCDefine7', N'文本', 120, NULL, NULL);

INSERT INTO UserDefine (cID, cValue, cAlias) VALUES
    (N'01', N'汽车电子', NULL),
    (N'01', N'消费电子', NULL),
    (N'01', N'工业自动化', NULL),
    (N'01', N'医疗器械', NULL),
    (N'01', N'快消品', NULL),
    (N'01', N'家居建材', NULL),
    (N'02', N'展会', NULL),
    (N'02', N'老客户介绍', NULL),
    (N'02', N'网络推广', NULL),
    (N'02', N'电话营销', NULL),
    (N'02', N'招投标', NULL),
    (N'02', N'渠道合作', NULL),
    (N'03', N'增值税专用发票', N'专票'),
    (N'03', N'增值税普通发票', N'普票'),
    (N'03', N'电子发票', N'电票'),
    (N'05', N'采购经理', NULL),
    (N'05', N'总经理', NULL),
    (N'05', N'财务总监', NULL),
    (N'05', N'技术总监', NULL),
    (N'05', N'采购专员', NULL),
    (N'11', N'大型', NULL),
    (N'11', N'中型', NULL),
    (N'11', N'小型', NULL),
    (N'11', N'微型', NULL),
    (N'12', N'生产型', NULL),
    (N'12', N'贸易型', NULL),
    (N'12', N'服务型', NULL),
    (N'12', N'生产贸易一体', NULL);

INSERT INTO sa_pricedef (cPriceID, cDefaultName, cDefineName, bused) VALUES
    (1, N'价格1', N'批发价', 1),
    (2, N'价格2', N'零售价', 1),
    (3, N'价格3', N'VIP价', 1),
    (4, N'价格4', N'出口价', 0),
    (5, N'价格5', NULL, 0);

INSERT INTO AA_AuthClass (id, cACCode, cACName) VALUES
    (1, N'01', N'华北区客户权限组'),
    (2, N'02', N'东北区客户权限组'),
    (3, N'03', N'华东区客户权限组'),
    (4, N'04', N'华中区客户权限组'),
    (5, N'05', N'华南区客户权限组'),
    (6, N'06', N'西南区客户权限组'),
    (7, N'07', N'西北区客户权限组'),
    (8, N'08', N'港澳台客户权限组');

INSERT INTO AA_AuthDimenType (iADTID, cADTName, bEnabled) VALUES
    (0, N'部门', 1),
    (1, N'销售区域', 1),
    (2, N'产品线', 1),
    (3, N'渠道', 0),
    (4, N'项目', 0),
    (5, N'客户', 1);

INSERT INTO AA_AuthDimenSub (iADTID, cADCode, cADName, bEnabled) VALUES
    (1, N'N', N'北方区域', 1),
    (1, N'S', N'南方区域', 1),
    (1, N'W', N'西部区域', 1),
    (2, N'EL', N'电子产品线', 1),
    (2, N'ME', N'机电产品线', 1),
    (2, N'CH', N'化工产品线', 1),
    (5, N'KA', N'重点客户', 1),
    (5, N'GEN', N'一般客户', 1);

INSERT INTO aa_busobject_base (cBusObId, langid, cBusObName, iAuthType, bAuthControl,
    bAuthDimControl, bDeptControl, bPersonControl, bAuthDim1Control, bAuthDim2Control,
    bAuthDim3Control, bAuthDim4Control, bCustDimControl) VALUES
    (N'customer', N'zh-CN', N'客户档案', 0, 0, 0, 1, 0, 1, 0, 0, 0, 0),
    (N'customer', N'en-US', N'Customer', 0, 0, 0, 1, 0, 1, 0, 0, 0, 0),
    (N'vendor', N'zh-CN', N'供应商档案', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (N'vendor', N'en-US', N'Vendor', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

INSERT INTO UserHRPersonContro (cUser_Id, cPsn_Num) VALUES
    (N'sales1', N'001'),
    (N'demo', N'022');

INSERT INTO Crm_BaseCode (ID, cTypeCode, cCode, cName) VALUES
    (1, N'sex', N'1', N'男'),
    (2, N'sex', N'2', N'女'),
    (11, N'duty', N'01', N'总经理'),
    (12, N'duty', N'02', N'采购经理'),
    (13, N'duty', N'03', N'财务经理'),
    (14, N'duty', N'04', N'技术主管'),
    (15, N'duty', N'05', N'业务专员'),
    (21, N'marriage', N'1', N'未婚'),
    (22, N'marriage', N'2', N'已婚'),
    (31, N'taste', N'01', N'茶'),
    (32, N'taste', N'02', N'咖啡'),
    (33, N'taste', N'03', N'高尔夫'),
    (34, N'taste', N'04', N'钓鱼');

-- Customer codes: the class code followed by a four-digit serial (01010001 is the first
-- customer of class 0101); the user may change a proposed code.
INSERT INTO VoucherNumber (cObject, cCodeField, bAutoCode, bManualChange, iSerialLength,
    iSerialStart) VALUES
    (N'Customer', N'cCusCode', 1, 1, 4, 1);

INSERT INTO VoucherNumberPart (cObject, iOrder, cKind, cValue) VALUES
    (N'Customer', 1, N'field', N'ccccode');

-- sales1 (王晓明 of 华北销售部) reads and changes the North China customers of his department,
-- may see but not change their credit line, picks only his department in reference lists and
-- may open the customer archive. demo is an administrator and needs no rows.
INSERT INTO AA_HoldAuth (cUser_Id, cBusObId, cFuncId, cDimension, cCode) VALUES
    (N'sales1', N'customer', N'W', N'class', N'01'),
    (N'sales1', N'customer', N'W', N'department', N'0201'),
    (N'sales1', N'department', N'R', N'code', N'0201');

INSERT INTO AA_HoldColAuth (cUser_Id, cBusObId, cFieldName, cLevel) VALUES
    (N'sales1', N'customer', N'iCusCreLine', N'R');

INSERT INTO AA_HoldFuncAuth (cUser_Id, cAuth_Id) VALUES
    (N'sales1', N'Customer');

-- A customer of a region starts with the region's sales department and sales area; one of a
-- manufacturing trade with its product line. Districts have no defaults.
INSERT INTO AA_ClassDefaultAuth (cBusObId, cKind, cCode, iADTID, cADCode) VALUES
    (N'customer', N'class', N'01', 0, N'0201'),
    (N'customer', N'class', N'01', 1, N'N'),
    (N'customer', N'class', N'02', 0, N'0206'),
    (N'customer', N'class', N'02', 1, N'N'),
    (N'customer', N'class', N'03', 0, N'0202'),
    (N'customer', N'class', N'03', 1, N'S'),
    (N'customer', N'class', N'04', 0, N'0204'),
    (N'customer', N'class', N'04', 1, N'S'),
    (N'customer', N'class', N'05', 0, N'0203'),
    (N'customer', N'class', N'05', 1, N'S'),
    (N'customer', N'class', N'06', 0, N'0205'),
    (N'customer', N'class', N'06', 1, N'W'),
    (N'customer', N'class', N'07', 0, N'0205'),
    (N'customer', N'class', N'07', 1, N'W'),
    (N'customer', N'class', N'08', 0, N'08'),
    (N'customer', N'class', N'08', 1, N'S'),
    (N'customer', N'trade', N'0101', 2, N'EL'),
    (N'customer', N'trade', N'0102', 2, N'ME'),
    (N'customer', N'trade', N'0104', 2, N'CH');

-- The rights groups of AA_AuthClass follow the eight customer regions.
INSERT INTO AA_ClassAuthGroup (cBusObId, cKind, cCode, iAuthClassId) VALUES
    (N'customer', N'class', N'01', 1),
    (N'customer', N'class', N'02', 2),
    (N'customer', N'class', N'03', 3),
    (N'customer', N'class', N'04', 4),
    (N'customer', N'class', N'05', 5),
    (N'customer', N'class', N'06', 6),
    (N'customer', N'class', N'07', 7),
    (N'customer', N'class', N'08', 8);

INSERT INTO AA_ArchiveOption (cArch, bCanAdd, bCanModify) VALUES (N'Customer', 1, 1);

-- The customer list's toolbar as every user sees it until he arranges his own.
INSERT INTO AA_ToolbarSet (cSubSysId, cToolbarSet, cUser_Id, cButtonKey, iOrder, bVisible) VALUES
    (N'AS', N'Archives_Customer_List', N'', N'Print', 1, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Preview', 2, 1),
    (N'AS', N'Archives_Customer_List', N'', N'SaveFile', 3, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Add', 4, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Modify', 5, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Delete', 6, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Filter', 7, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Pos', 8, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Refresh', 9, 1),
    (N'AS', N'Archives_Customer_List', N'', N'allsel', 10, 1),
    (N'AS', N'Archives_Customer_List', N'', N'allcancel', 11, 1),
    (N'AS', N'Archives_Customer_List', N'', N'FieldSet', 12, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Credit', 13, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Unite', 14, 1),
    (N'AS', N'Archives_Customer_List', N'', N'MulModify', 15, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Cus_district', 16, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Import', 17, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Cus_Trade', 18, 1),
    (N'AS', N'Archives_Customer_List', N'', N'OptionSet', 19, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Help', 20, 1),
    (N'AS', N'Archives_Customer_List', N'', N'Exit', 21, 1);
