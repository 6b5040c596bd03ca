-- Demo fittings catalogue "Ворота-Фурнитура" (invented data for trying the program out).
-- One INSERT per row; columns not listed are blank (a blank number reads as 0, a blank text as empty).
-- See CATALOGUE.md for which rows exercise which calculation rule.

-- COLORSET: fittings colours
INSERT INTO "COLORSET" ("Color","Name") VALUES ('SILVER','Серебро');
INSERT INTO "COLORSET" ("Color","Name") VALUES ('BRONZE','Бронза');
INSERT INTO "COLORSET" ("Color","Name") VALUES ('WHITE','Белый');

-- Currency: rates against the rouble; word forms for amounts in words
INSERT INTO "Currency" ("ID","Name","Value","Dec","Nominative","Genitive","GenitivePlural","Gender","DecNominative","DecGenitive","DecGenitivePlural","DecGender") VALUES (1,'руб.',1,2,'рубль','рубля','рублей',0,'копейка','копейки','копеек',1);
INSERT INTO "Currency" ("ID","Name","Value","Dec","Nominative","Genitive","GenitivePlural","Gender","DecNominative","DecGenitive","DecGenitivePlural","DecGender") VALUES (2,'EUR',95.5,2,'евро','евро','евро',0,'евроцент','евроцента','евроцентов',0);
INSERT INTO "Currency" ("ID","Name","Value","Dec","Nominative","Genitive","GenitivePlural","Gender","DecNominative","DecGenitive","DecGenitivePlural","DecGender") VALUES (3,'USD',88.25,2,'доллар','доллара','долларов',0,'цент','цента','центов',0);

-- PriceGrp: prices use Reduce_1 only; the other columns are filled to show they are ignored
INSERT INTO "PriceGrp" ("GroupID","Name","Reduce_1","Reduce_2","Reduce_3","Reduce_4","Reduce_5","Reduce_6","Reduce_7","Reduce_8","Reduce_9","Reduce_10") VALUES (1,'Розница',0,0,0,0,0,0,0,0,0,0);
INSERT INTO "PriceGrp" ("GroupID","Name","Reduce_1","Reduce_2","Reduce_3","Reduce_4","Reduce_5","Reduce_6","Reduce_7","Reduce_8","Reduce_9","Reduce_10") VALUES (2,'Дилер',-10,-12.5,-15,0,0,0,0,0,0,0);
INSERT INTO "PriceGrp" ("GroupID","Name","Reduce_1","Reduce_2","Reduce_3","Reduce_4","Reduce_5","Reduce_6","Reduce_7","Reduce_8","Reduce_9","Reduce_10") VALUES (3,'Спецзаказ',5,7.5,10,0,0,0,0,0,0,0);

-- SysList: two fittings systems of family 1100 and one withdrawn system (Use = 0)
INSERT INTO "SysList" ("ID","Group","Name","ShortName","Use","CommonGrp","BaseColor") VALUES ('1100',1,'Ворота-Фурнитура Стандарт','ВФ Стандарт',1,1100,'SILVER');
INSERT INTO "SysList" ("ID","Group","Name","ShortName","Use","CommonGrp","BaseColor") VALUES ('1101',1,'Ворота-Фурнитура Стандарт RC','ВФ Стандарт RC',1,1101,'WHITE');
INSERT INTO "SysList" ("ID","Group","Name","ShortName","Use","CommonGrp","BaseColor") VALUES ('1102',1,'Ворота-Фурнитура Эконом (снята с поставки)','ВФ Эконом',0,1102,'SILVER');

-- SysColor: colours offered per system (1101 has no bronze)
INSERT INTO "SysColor" ("ID","System","Article") VALUES ('SILVER','1100','VF-NK-PN-SI');
INSERT INTO "SysColor" ("ID","System","Article") VALUES ('BRONZE','1100','VF-NK-PN-BR');
INSERT INTO "SysColor" ("ID","System","Article") VALUES ('WHITE','1100','VF-NK-PN-WH');
INSERT INTO "SysColor" ("ID","System","Article") VALUES ('SILVER','1101','VF-NK-PN-SI');
INSERT INTO "SysColor" ("ID","System","Article") VALUES ('WHITE','1101','VF-NK-PN-WH');

-- SysProp: property values; IDs grouped by tens form one property
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1010,'Микропроветривание','нет',0,1,'Микропроветривание: нет');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1011,'Микропроветривание','да',1,1,'Микропроветривание: да');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1020,'Противовзломность','базовая',0,1,'Противовзломность: базовая');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1021,'Противовзломность','RC1',1,1,'Противовзломность: RC1');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1022,'Противовзломность','RC2',1,1,'Противовзломность: RC2');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1030,'Ограничитель открывания','нет',0,1,'Ограничитель открывания: нет');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1031,'Ограничитель открывания','да',1,1,'Ограничитель открывания: да');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1040,'Исполнение ручки','без ключа',0,1,'Исполнение ручки: без ключа');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1041,'Исполнение ручки','с ключом',1,1,'Исполнение ручки: с ключом');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1050,'Нагрузка на петли','до 100 кг',0,1,'Нагрузка на петли: до 100 кг');
INSERT INTO "SysProp" ("ID","GroupName","ValueName","Printable","Use","PrintName") VALUES (1051,'Нагрузка на петли','до 130 кг',1,1,'Нагрузка на петли: до 130 кг');

-- SysProf: strike-plate systems of family 1100
INSERT INTO "SysProf" ("SchlSysID","FurnSysID","Name") VALUES ('SP58','1100','Ответные планки, профиль ПВХ 58 мм');
INSERT INTO "SysProf" ("SchlSysID","FurnSysID","Name") VALUES ('SP70','1100','Ответные планки, профиль ПВХ 70 мм');
INSERT INTO "SysProf" ("SchlSysID","FurnSysID","Name") VALUES ('SP82','1100','Ответные планки, профиль ПВХ 82 мм');

-- Catalog: articles (prices in RUB = 1 and EUR = 2); VF-PD-00 is virtual
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PP-07-1','ПП07-1','ВФ 203.071','2030710','',1,'Привод поворотно-откидной, дорнмасс 7,5, FFH 400-1000','шт',14.80,2,2,'1100',203,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PP-07-2','ПП07-2','ВФ 203.072','2030720','',1,'Привод поворотно-откидной, дорнмасс 7,5, FFH 1001-1800','шт',16.40,2,2,'1100',203,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PP-07-3','ПП07-3','ВФ 204.073','2040730','',2,'Привод поворотно-откидной, дорнмасс 7,5, FFH 1801-2400, ручка 1050','шт',19.50,2,2,'1100',204,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PP-15-1','ПП15-1','ВФ 203.151','2031510','',1,'Привод поворотно-откидной, дорнмасс 15, FFH 400-1800','шт',15.90,2,2,'1100',203,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PP-15-2','ПП15-2','ВФ 204.152','2041520','',2,'Привод поворотно-откидной, дорнмасс 15, FFH 1801-2400, ручка 1050','шт',20.70,2,2,'1100',204,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UP-01','УП-01','ВФ 209.010','','',1,'Угловой переключатель','шт',4.20,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UPT-01','УПТ-01','ВФ 209.110','','',1,'Угловая передача тупого угла 95-135°','шт',9.60,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UPT-02','УПТ-02','ВФ 209.120','','',1,'Угловая передача тупого угла 135-175°','шт',9.90,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UPO-01','УПО-01','ВФ 209.210','','',1,'Угловой переключатель острого угла 20-45°','шт',11.30,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UPO-02','УПО-02','ВФ 209.220','','',1,'Угловой переключатель острого угла 45-89°','шт',10.80,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NZ-10','НЖ-10','ВФ 210.100','','',1,'Ножницы, FFB 400-1000','шт',11.20,2,2,'1100',210,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NZ-16','НЖ-16','ВФ 210.160','','',1,'Ножницы, FFB 1001-1600','шт',13.60,2,2,'1100',210,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NZM-16','НЖМ-16','ВФ 210.560','','',1,'Ножницы с микропроветриванием, FFB 400-1600','шт',15.10,2,2,'1100',210,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NZN-01','НЖН-01','ВФ 210.710','','',1,'Ножницы для наклонной створки','шт',24.50,2,2,'1100',210,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NZT-01','НЖТ-01','ВФ 210.810','','',1,'Ножницы откидные для треугольной створки','шт',27.30,2,2,'1100',210,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ZS-06','ЗС-06','ВФ 211.060','','',1,'Средний запор 600 мм','шт',3.60,2,2,'1100',211,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ZS-10','ЗС-10','ВФ 211.100','','',1,'Средний запор 1000 мм','шт',5.10,2,2,'1100',211,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ZSH-01','ЗШ-01','ВФ 211.300','','',1,'Запор штульповый','шт',4.40,2,2,'1100',211,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-BL-01','БЛ-01','ВФ 218.010','','',1,'Блокиратор неправильного открывания','шт',2.90,2,2,'1100',218,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OBL-01','ОБЛ-01','ВФ 218.020','','',1,'Ответная часть блокиратора','шт',0.85,2,2,'1100',218,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PD-01','ПД-01','ВФ 219.010','','',1,'Подъемник створки','шт',1.95,2,2,'1100',219,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PD-00','ПД-00','','','',1,'Подъемник встроен в ножницы (не поставляется)','шт',0.00,2,0,'1100',219,1,1,1,1,1);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ST-M','ШТ-М','ВФ 207.001','','',1,'Штанга соединительная, отрезаемая','м',3.25,2,1,'1100',207,1,1,0,0.5,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OV-20','ОВ-20','ВФ 213.120','','',1,'Опора ножниц верхняя, фальц 20','шт',3.10,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OV-18','ОВ-18','ВФ 213.118','','',1,'Опора ножниц верхняя, фальц 18','шт',3.10,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ON-09','ОН-09','ВФ 213.209','','',1,'Опора петли нижняя, ось 9 мм','шт',2.70,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ON-13','ОН-13','ВФ 213.213','','',1,'Опора петли нижняя, ось 13 мм','шт',2.70,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PN-100','ПН-100','ВФ 213.300','','',1,'Петля нижняя на створку, до 100 кг','шт',3.40,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PN-130L','ПН-130Л','ВФ 213.331','','',1,'Петля нижняя на створку, до 130 кг, левая','шт',5.20,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PN-130R','ПН-130П','ВФ 213.332','','',1,'Петля нижняя на створку, до 130 кг, правая','шт',5.20,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PS-01','ПС-01','ВФ 213.400','','',1,'Петля средняя','шт',4.10,2,2,'1100',213,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NK-PN-SI','НК-ПН-С','ВФ 214.101','','',1,'Накладка на нижнюю петлю, серебро','шт',145.00,1,1,'1100',214,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NK-PN-BR','НК-ПН-Б','ВФ 214.102','','',1,'Накладка на нижнюю петлю, бронза','шт',162.00,1,1,'1100',214,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NK-PN-WH','НК-ПН-Бл','ВФ 214.103','','',1,'Накладка на нижнюю петлю, белая','шт',145.00,1,1,'1100',214,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NK-OV-SI','НК-ОВ-С','ВФ 214.201','','',1,'Накладка на опору ножниц, серебро','шт',98.00,1,1,'1100',214,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NK-OV-WH','НК-ОВ-Бл','ВФ 214.203','','',1,'Накладка на опору ножниц, белая','шт',98.00,1,1,'1100',214,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-NK-OV-00','НК-ОВ-У','ВФ 214.200','','',1,'Накладка универсальная, под окраску','шт',86.00,1,1,'1100',214,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-KP-WH','КП-Бл','ВФ 214.901','','',1,'Колпачок декоративный на винт, белый','шт',6.50,1,0,'1100',214,1,1,1,2,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-KP-00','КП-С','ВФ 214.900','','',1,'Колпачок декоративный на винт, серый','шт',6.50,1,0,'1100',214,1,1,1,2,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OP-58','ОП-58','ВФ 215.058','','',1,'Планка ответная, профиль 58 мм','шт',1.15,2,2,'1100',215,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OP-70','ОП-70','ВФ 215.070','','',1,'Планка ответная, профиль 70/82 мм','шт',1.25,2,2,'1100',215,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OU-58','ОУ-58','ВФ 215.158','','',1,'Планка ответная угловая, профиль 58 мм','шт',1.45,2,2,'1100',215,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OU-70','ОУ-70','ВФ 215.170','','',1,'Планка ответная угловая, профиль 70/82 мм','шт',1.55,2,2,'1100',215,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OSH-01','ОШ-01','ВФ 215.300','','',1,'Планка ответная на штульп','шт',1.35,2,2,'1100',215,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OZS-01','ОЗШ-01','ВФ 215.310','','',1,'Ответная часть штульпового запора','шт',1.60,2,2,'1100',215,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-PK-01','ПК-01','ВФ 216.010','','',1,'Подкладка под ответную планку RC','шт',0.40,2,2,'1101',216,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-SHM-AL','ШМ-А','ВФ 205.010','','',1,'Механизм штульповый для алюминиевого штульпа','шт',21.40,2,2,'1100',205,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-SHM-PV','ШМ-П','ВФ 205.020','','',1,'Механизм штульповый для штульпа ПВХ','шт',19.80,2,2,'1100',205,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-SHZ-01','ШЗ-01','ВФ 220.310','','',1,'Заглушка алюминиевого штульпа','шт',24.00,1,1,'1100',220,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UPL-SH','УПЛ-Ш','ВФ 220.320','','',1,'Уплотнитель штульпа ПВХ','м',38.50,1,1,'1100',1000,1,1,0,0.5,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-AR-01','АР-01','ВФ 209.310','','',1,'Переключатель арочный, R 200-700','шт',17.90,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-AR-02','АР-02','ВФ 209.320','','',1,'Переключатель арочный, R 701-1500','шт',18.60,2,2,'1100',209,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ARZ-01','АРЗ-01','ВФ 211.510','','',1,'Запор арочный','шт',6.30,2,2,'1100',211,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RK-SI','РК-С','ВФ 221.101','','',1,'Ручка оконная, серебро','шт',5.40,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RK-WH','РК-Бл','ВФ 221.103','','',1,'Ручка оконная, белая','шт',4.90,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RK-BR','РК-Б','ВФ 221.102','','',1,'Ручка оконная, бронза','шт',6.10,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RK-BA','РК-БА','ВФ 221.112','','',1,'Ручка оконная, бронза антик','шт',7.30,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RKZ-SI','РКЗ-С','ВФ 221.201','','',1,'Ручка оконная с ключом, серебро','шт',9.80,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RKZ-WH','РКЗ-Бл','ВФ 221.203','','',1,'Ручка оконная с ключом, белая','шт',9.60,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-RKZ-00','РКЗ','ВФ 221.200','','',1,'Ручка оконная с ключом, цвет по запросу','шт',10.90,2,3,'1100',221,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-VN-5','ВН-5','ВФ 220.540','','',1,'Винт М5х40 для ручки','шт',3.20,1,0,'1100',220,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-SR-425','СР-425','ВФ 220.425','','',1,'Саморез 4,1х25 для ответных планок','шт',0.90,1,0,'1100',220,1,1,1,10,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-ZG-01','ЗГ-01','ВФ 220.010','','',1,'Заглушка фурнитурного паза','шт',4.80,1,0,'1100',220,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-OG-01','ОГ-01','ВФ 220.110','','',1,'Ограничитель открывания','шт',3.70,2,2,'1100',220,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-DZ-35','ДЗ-35','ВФ 222.350','','',1,'Замок дверной, дорнмасс 35, ручка 1050','шт',48.00,2,2,'1100',222,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-DZ-25','ДЗ-25','ВФ 222.250','','',1,'Замок дверной, дорнмасс 25, ручка 1050','шт',46.50,2,2,'1100',222,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-CY-30','ЦЛ-30','ВФ 226.330','','',1,'Цилиндр ключ/ключ 30/30','шт',1290.00,1,3,'1100',226,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-CY-35','ЦЛ-35','ВФ 226.335','','',1,'Цилиндр ключ/ключ 35/35','шт',1390.00,1,3,'1100',226,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-CY-40','ЦЛ-40','ВФ 226.340','','',1,'Цилиндр ключ/ключ 40/40','шт',1490.00,1,3,'1100',226,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-DP-01','ДП-01','ВФ 223.010','','',1,'Петля дверная, до 120 кг','шт',12.60,2,2,'1100',223,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-DR-SI','ДР-С','ВФ 224.101','','',1,'Гарнитур нажимной дверной, серебро','шт',18.20,2,3,'1100',224,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-DR-WH','ДР-Бл','ВФ 224.103','','',1,'Гарнитур нажимной дверной, белый','шт',17.40,2,3,'1100',224,1,1,1,1,0);
INSERT INTO "Catalog" ("ID","Article","ProdArticle","ProdArticle2","ProdArticle3","UseArticle","Name","Unit","Price","Currency","PriceGrp","System","Group","Use","CommonUse","Integer","MinTrade","Virtual") VALUES ('VF-UPL-D','УПЛ-Д','ВФ 220.330','','',1,'Уплотнитель притвора двери','м',42.00,1,1,'1100',1000,1,1,0,0.5,0);

-- Material: sash materials (0 is the placeholder row, never listed)
INSERT INTO "Material" ("ID","Name") VALUES (0,'-');
INSERT INTO "Material" ("ID","Name") VALUES (1,'ПВХ');
INSERT INTO "Material" ("ID","Name") VALUES (2,'Дерево');
INSERT INTO "Material" ("ID","Name") VALUES (3,'Алюминий');

-- ParamList: rebate parameters 100-199, backsets 200-299, stulp types 300-399, opening types 400-499
INSERT INTO "ParamList" ("ID","Group","Name","FalzLuft","FalzSize","FalzPos") VALUES (101,1,'12/20-9',12,20,9);
INSERT INTO "ParamList" ("ID","Group","Name","FalzLuft","FalzSize","FalzPos") VALUES (102,1,'12/18-13',12,18,13);
INSERT INTO "ParamList" ("ID","Group","Name","FalzLuft","FalzSize","FalzPos") VALUES (103,1,'4/18-9 (дерево)',4,18,9);
INSERT INTO "ParamList" ("ID","Group","Name","FalzLuft","FalzSize","FalzPos") VALUES (199,1,'Не задан',0,0,0);
INSERT INTO "ParamList" ("ID","Group","Name","DornMass") VALUES (201,2,'Дорнмасс 7,5',7.5);
INSERT INTO "ParamList" ("ID","Group","Name","DornMass") VALUES (202,2,'Дорнмасс 15',15);
INSERT INTO "ParamList" ("ID","Group","Name","DornMass") VALUES (203,2,'Дорнмасс 25',25);
INSERT INTO "ParamList" ("ID","Group","Name","DornMass") VALUES (204,2,'Дорнмасс 35',35);
INSERT INTO "ParamList" ("ID","Group","Name","DornMass") VALUES (299,2,'Дорнмасс не задан',0);
INSERT INTO "ParamList" ("ID","Group","Name","StulpType") VALUES (301,3,'Штульп алюминиевый',2);
INSERT INTO "ParamList" ("ID","Group","Name","StulpType") VALUES (302,3,'Штульп ПВХ',3);
INSERT INTO "ParamList" ("ID","Group","Name","StulpType") VALUES (306,3,'Без штульпа',6);
INSERT INTO "ParamList" ("ID","Group","Name","OpenType") VALUES (401,4,'Открывание внутрь',0);
INSERT INTO "ParamList" ("ID","Group","Name","OpenType") VALUES (402,4,'Открывание наружу',1);
INSERT INTO "ParamList" ("ID","Group","Name","OpenType") VALUES (403,4,'Т-образная створка',2);
INSERT INTO "ParamList" ("ID","Group","Name","FalzLuft","FalzSize","FalzPos") VALUES (999,9,'Вне всех списков',12,20,9);

-- FrnComp: complects (Group: 10/11/12 main, 20/21 hinges, 30/31 handles, 41 door lock, 45 cylinder, 70 other)
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('PO-L','Поворотно-откидной комплект, левый',10,0,1,1100,0,1,1,10,0,12632256,1,'Поворотно-откидная створка, левая',1,'PO-R');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('PO-R','Поворотно-откидной комплект, правый',10,0,2,1100,0,1,1,10,0,12632256,1,'Поворотно-откидная створка, правая',1,'PO-L');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('SH-GL-L','Штульповый комплект, активная левая створка',10,11,1,1100,0,1,1,10,0,12632256,1,'Штульп: активная левая',1,'SH-GL-R');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('SH-PS-R','Штульповый комплект, пассивная правая створка',10,22,2,1100,0,1,1,0,0,12632256,1,'Штульп: пассивная правая',0,'SH-PS-L');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('SH-GL-R','Штульповый комплект, активная правая створка',10,21,2,1100,0,1,1,10,0,12632256,1,'Штульп: активная правая',1,'SH-GL-L');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('SH-PS-L','Штульповый комплект, пассивная левая створка',10,12,1,1100,0,1,1,0,0,12632256,1,'Штульп: пассивная левая',0,'SH-PS-R');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('ARK-L','Поворотный арочный комплект, левый',10,0,1,1100,0,1,0,0,0,12632256,1,'Арочная створка, левая',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('TRAP-L','Поворотно-откидной комплект для трапеции, левый',10,0,1,1100,0,1,1,10,0,12632256,1,'Трапециевидная створка, левая',1,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('TRI-5','Откидной комплект для треугольной створки',12,0,3,1100,0,1,1,0,2,12632256,1,'Треугольная откидная створка',1,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('DV-L','Дверной комплект однопольный, левый',11,0,1,1100,1,1,0,0,0,8421504,1,'Дверь однопольная, левая',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('HS-100','Петли оконные ВФ, до 100/130 кг',20,0,3,1100,0,1,1,50,0,8421504,1,'Петли оконные',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('HD-3','Петли дверные ВФ',21,0,3,1100,1,1,0,0,0,8421504,1,'Петли дверные',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('RK-STD','Ручка оконная ВФ',30,0,3,0,0,1,1,40,0,16777215,1,'Ручка оконная',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('RD-NAZH','Гарнитур нажимной дверной ВФ',31,0,3,1100,0,1,0,0,0,16777215,1,'Гарнитур нажимной',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('ZM-35','Замок дверной ВФ',41,0,3,1100,0,1,0,0,0,4210752,1,'Замок дверной',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('CY-KK','Цилиндр ключ/ключ',45,0,3,0,0,1,0,0,0,4210752,1,'Цилиндр',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('DOP-OGR','Доп. комплект: ограничитель открывания',70,0,3,0,0,1,1,0,0,16777215,1,'Ограничитель открывания',0,'');
INSERT INTO "FrnComp" ("ID","Name","Group","SubGroup","Direct","CommonGrp","Material","Use","TFlugelAvailable","PropKey","Image","ScrColor","Printable","PrintName","Kipp","SymmetricID") VALUES ('DOP-RC','Доп. комплект: запоры RC для системы RC',70,0,3,1101,0,1,1,0,0,16777215,1,'Запоры RC',0,'');

-- FrnSide: shape conditions of the main complects (one row per sash side)
-- PO-L
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-L',1,400,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-L',2,400,1600,89,91,0,0,0,0,0,0,1,4,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-L',3,400,2400,89,91,0,0,0,0,0,1,1,1,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-L',4,400,1600,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- PO-R
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-R',1,400,2400,89,91,0,0,0,0,0,0,1,3,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-R',2,400,1600,89,91,0,0,0,0,0,0,1,4,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-R',3,400,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('PO-R',4,400,1600,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- SH-GL-L
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-L',1,400,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-L',2,300,1200,89,91,0,0,0,0,0,0,1,4,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-L',3,400,2400,89,91,0,0,0,0,0,1,1,1,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-L',4,300,1200,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- SH-PS-R
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-R',1,400,2400,89,91,0,0,0,0,0,0,1,3,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-R',2,300,1200,89,91,0,0,0,0,0,0,0,0,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-R',3,400,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-R',4,300,1200,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- SH-GL-R
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-R',1,400,2400,89,91,0,0,0,0,0,0,1,3,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-R',2,300,1200,89,91,0,0,0,0,0,0,1,4,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-R',3,400,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-GL-R',4,300,1200,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- SH-PS-L
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-L',1,400,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-L',2,300,1200,89,91,0,0,0,0,0,0,0,0,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-L',3,400,2400,89,91,0,0,0,0,0,0,1,1,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('SH-PS-L',4,300,1200,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- ARK-L
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('ARK-L',1,300,2000,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('ARK-L',2,400,1600,90,181,200,1500,1,1,0,0,0,0,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('ARK-L',3,300,2000,90,181,0,0,0,0,0,1,1,1,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('ARK-L',4,400,1600,89,91,0,0,0,0,0,0,0,0,0,0,0);
-- TRAP-L
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRAP-L',1,300,2000,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRAP-L',2,400,1800,95,175,0,0,0,0,0,0,1,4,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRAP-L',3,400,2400,20,85,0,0,0,0,0,1,1,1,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRAP-L',4,400,1600,89,91,0,0,0,0,0,0,0,0,0,0,1);
-- TRI-5
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRI-5',1,500,3000,20,70,0,0,0,0,0,0,1,3,0,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRI-5',2,300,2000,20,70,0,0,0,0,0,1,0,0,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('TRI-5',3,300,2000,89,91,0,0,0,0,0,0,0,0,0,1,0);
-- DV-L
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('DV-L',1,1800,2400,89,91,0,0,0,0,0,0,0,0,0,1,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('DV-L',2,600,1100,89,91,0,0,0,0,0,0,0,0,0,0,0);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('DV-L',3,1800,2400,89,91,0,0,0,0,0,1,1,1,1,0,1);
INSERT INTO "FrnSide" ("ID","Side","MinSize","MaxSize","MinAngle","MaxAngle","MinRadius","MaxRadius","FullRadius","HalfRadius","EllipseRadius","HandleDirect","OpenMode","RotSide","Handled","Banded","Drived") VALUES ('DV-L',4,600,1100,89,91,0,0,0,0,0,0,0,0,0,0,0);

-- FrnItem: elements with the criteria their articles are chosen by
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-AR-ELL','Переключатель для эллиптической арки',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-AR-TYAGA','Штанга арочная',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-AR-UGOL','Переключатель арочный',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-AR-ZAPOR','Запор арочный',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-BLOK','Блокиратор неправильного открывания',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-CYL','Цилиндр профильный',0,0,0,0,0,0,0,1,0,0,0,0,0);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-DV-PETLYA','Петля дверная',0,0,0,0,0,0,1,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-DV-POROG','Порог двери (поставляется с профилем)',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-DV-RUCHKA','Гарнитур нажимной',0,0,0,0,0,1,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-DV-UPL','Уплотнитель притвора',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-KOLP','Колпачок декоративный на винт',0,0,0,0,0,1,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-NOZH','Ножницы',0,1,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-NOZH-MP','Ножницы с микропроветриванием',0,1,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-NOZH-NAKL','Ножницы для наклонной створки',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-NOZH-TRI','Ножницы для треугольной створки',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-OGR','Ограничитель открывания',0,0,0,0,0,0,0,0,0,0,0,0,0);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-OPORA-NIZ','Опора петли нижняя',0,0,0,1,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-OPORA-VERH','Опора ножниц верхняя',0,0,1,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PETLI','Петли поворотно-откидные (набор)',0,0,0,0,0,0,0,0,0,0,0,1,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PETLYA-100','Петля нижняя на створку, до 100 кг',0,0,0,0,0,0,0,0,0,0,1,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PETLYA-130','Петля нижняя на створку, до 130 кг',0,0,0,0,0,0,0,0,0,0,1,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PETLYA-SRED','Петля средняя',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PL-BLOK','Ответная часть блокиратора',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PL-PRIVOD','Ответная планка привода',0,0,0,0,1,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PL-SHT','Ответная планка на штульп',0,0,0,0,0,0,0,0,0,0,0,0,0);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PL-SRED','Ответная планка среднего запора',0,0,0,0,1,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PL-UGOL','Ответная планка угловая',0,0,0,0,1,0,0,0,0,0,0,0,0);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PL-ZAMOK','Ответная планка дверного замка',0,0,0,0,1,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PODJEM','Подъемник створки',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PODKL','Подкладка под ответную планку RC',0,0,0,0,0,0,0,0,0,0,0,0,1101);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-PRIVOD','Привод поворотно-откидной',1,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-RUCHKA','Ручка оконная',0,0,0,0,0,1,0,0,0,0,0,0,0);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-RUCHKA-Z','Ручка оконная с ключом',0,0,0,0,0,1,0,0,0,0,0,0,0);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-SHT-MEH','Механизм штульповый',0,0,0,0,0,0,0,0,0,1,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-SHT-OTV','Ответная часть штульпового запора',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-SHT-TYAGA','Штанга штульповая',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-SHT-UPL','Уплотнитель штульпа',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-SHT-ZAGL','Заглушка алюминиевого штульпа',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-TYAGA-NAKL','Штанга наклонной стороны',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-TYAGA-VERH','Штанга соединительная верхняя',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-TYAGA-VERT','Штанга соединительная вертикальная',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-UGOL','Угловой переключатель',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-UGOL-OSTR','Угловой переключатель острого угла',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-UGOL-TUP','Угловая передача тупого угла',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-ZAMOK','Замок дверной',1,0,0,0,0,0,0,0,1,0,1,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-ZAPOR-GOR','Средний запор горизонтальный',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-ZAPOR-NAKL','Средний запор наклонной стороны',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-ZAPOR-PETL','Средний запор со стороны петель',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-ZAPOR-SHT','Запор штульповый',0,0,0,0,0,0,0,0,0,0,0,0,1100);
INSERT INTO "FrnItem" ("ID","Name","HasDornMass","HasFalzLuft","HasFalzSize","HasFalzPos","HasProfSys","HasColor","CheckWeight","CheckThickness","CheckProfWidth","CheckStulpType","CheckDirect","Virtual","CommonGrp") VALUES ('E-ZAPOR-VERT','Средний запор вертикальный',0,0,0,0,0,0,0,0,0,0,0,0,1100);

-- FrnSet: complect contents (conditions, quantity, scaling, length); Key numbers the rows
-- PO-L
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","FFHMax","StulpType","Required") VALUES ('PO-L','E-BLOK',1,1,3,600,2400,64,0);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required") VALUES ('PO-L','E-NOZH',2,1,2,12,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required","AlertIfNoArt") VALUES ('PO-L','E-NOZH-MP',3,1,2,11,1,1,'Ножницы с микропроветриванием выпускаются для ширины створки по фальцу 400-1600 мм!');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFBMin","FFBMax","Condition","Required") VALUES ('PO-L','E-PODJEM',4,1,4,801,0,1,0);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo","AlertIfNoArt") VALUES ('PO-L','E-PRIVOD',5,1,3,2,1,1,3,'Нет подходящего привода: высота створки по фальцу должна быть от 400 до 2400 мм.');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFBMin","Required","UseLen","LenFormula","MinLen") VALUES ('PO-L','E-TYAGA-VERH',6,1,2,520,1,1,'FFB-420',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required","UseLen","LenFormula","MinLen") VALUES ('PO-L','E-TYAGA-VERT',7,1,3,1001,1,1,'FL(3)-FG(3)-390',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('PO-L','E-UGOL',8,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('PO-L','E-UGOL',9,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleNum","ScaleScheme","Required") VALUES ('PO-L','E-ZAPOR-GOR',10,0,4,1,1,'801;1201;1601',1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required","Note") VALUES ('PO-L','E-ZAPOR-GOR',11,0,2,22,1,600,600,1,1,'RC2');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Side1No","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('PO-L','E-ZAPOR-PETL',12,0,1,21,1,3,1000,600,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('PO-L','E-ZAPOR-VERT',13,0,3,2,1201,400,1,1);
-- PO-R
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","FFHMax","StulpType","Required") VALUES ('PO-R','E-BLOK',14,1,1,600,2400,64,0);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required") VALUES ('PO-R','E-NOZH',15,1,2,12,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required","AlertIfNoArt") VALUES ('PO-R','E-NOZH-MP',16,1,2,11,1,1,'Ножницы с микропроветриванием выпускаются для ширины створки по фальцу 400-1600 мм!');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFBMin","FFBMax","Condition","Required") VALUES ('PO-R','E-PODJEM',17,1,4,801,0,1,0);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo","AlertIfNoArt") VALUES ('PO-R','E-PRIVOD',18,1,1,2,1,1,1,'Нет подходящего привода: высота створки по фальцу должна быть от 400 до 2400 мм.');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFBMin","Required","UseLen","LenFormula","MinLen") VALUES ('PO-R','E-TYAGA-VERH',19,1,2,520,1,1,'FFB-420',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required","UseLen","LenFormula","MinLen") VALUES ('PO-R','E-TYAGA-VERT',20,1,1,1001,1,1,'FL(1)-FG(1)-390',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('PO-R','E-UGOL',21,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('PO-R','E-UGOL',22,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleNum","ScaleScheme","Required") VALUES ('PO-R','E-ZAPOR-GOR',23,0,4,1,1,'801;1201;1601',1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required","Note") VALUES ('PO-R','E-ZAPOR-GOR',24,0,2,22,1,600,600,1,1,'RC2');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Side1No","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('PO-R','E-ZAPOR-PETL',25,0,3,21,3,3,1000,600,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('PO-R','E-ZAPOR-VERT',26,0,1,2,1201,400,1,1);
-- SH-GL-L
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required") VALUES ('SH-GL-L','E-NOZH',27,1,2,12,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required") VALUES ('SH-GL-L','E-NOZH-MP',28,1,2,11,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo") VALUES ('SH-GL-L','E-PRIVOD',29,1,3,2,1,1,3);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFBMin","Required","UseLen","LenFormula","MinLen") VALUES ('SH-GL-L','E-TYAGA-VERH',30,1,2,520,1,1,'FFB-420',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required","UseLen","LenFormula","MinLen") VALUES ('SH-GL-L','E-TYAGA-VERT',31,1,3,1001,1,1,'FL(3)-FG(3)-390',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-GL-L','E-UGOL',32,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-GL-L','E-UGOL',33,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleNum","ScaleScheme","Required") VALUES ('SH-GL-L','E-ZAPOR-GOR',34,0,4,1,1,'801;1201;1601',1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","StulpType","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('SH-GL-L','E-ZAPOR-SHT',35,0,3,12,2,1201,400,1,1);
-- SH-PS-R
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","StulpType","Required","AlertIfNoArt") VALUES ('SH-PS-R','E-SHT-MEH',36,1,1,12,1,'Штульповый механизм подбирается только для штульпа типов 2 и 3.');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","UseIfArt","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required","Note") VALUES ('SH-PS-R','E-SHT-OTV',37,0,1,'VF-ZSH-01',2,1201,400,2,1,'2 на запор');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required","UseLen","LenFormula","MinLen","Note") VALUES ('SH-PS-R','E-SHT-TYAGA',38,1,1,1,1,'FFН-FGA(3)-300',100,'верхняя');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required","UseLen","LenFormula","MinLen","Note") VALUES ('SH-PS-R','E-SHT-TYAGA',39,1,1,900,1,1,'FRH/2-350',100,'нижняя');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","StulpType","Required","UseLen","LenFormula","MinLen") VALUES ('SH-PS-R','E-SHT-UPL',40,1,1,8,1,1,'FН-40',300);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-PS-R','E-UGOL',41,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-PS-R','E-UGOL',42,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFL21No","FFL21Min","FFL22No","FFL22Max","Required") VALUES ('SH-PS-R','E-ZAPOR-VERT',43,1,3,3,1601,2,1200,1);
-- SH-GL-R
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required") VALUES ('SH-GL-R','E-NOZH',44,1,2,12,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Condition","Required") VALUES ('SH-GL-R','E-NOZH-MP',45,1,2,11,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo") VALUES ('SH-GL-R','E-PRIVOD',46,1,1,2,1,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFBMin","Required","UseLen","LenFormula","MinLen") VALUES ('SH-GL-R','E-TYAGA-VERH',47,1,2,520,1,1,'FFB-420',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required","UseLen","LenFormula","MinLen") VALUES ('SH-GL-R','E-TYAGA-VERT',48,1,1,1001,1,1,'FL(1)-FG(1)-390',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-GL-R','E-UGOL',49,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-GL-R','E-UGOL',50,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleNum","ScaleScheme","Required") VALUES ('SH-GL-R','E-ZAPOR-GOR',51,0,4,1,1,'801;1201;1601',1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","StulpType","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('SH-GL-R','E-ZAPOR-SHT',52,0,1,12,2,1201,400,1,1);
-- SH-PS-L
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","StulpType","Required","AlertIfNoArt") VALUES ('SH-PS-L','E-SHT-MEH',53,1,3,12,1,'Штульповый механизм подбирается только для штульпа типов 2 и 3.');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","UseIfArt","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required","Note") VALUES ('SH-PS-L','E-SHT-OTV',54,0,3,'VF-ZSH-01',2,1201,400,2,1,'2 на запор');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required","UseLen","LenFormula","MinLen","Note") VALUES ('SH-PS-L','E-SHT-TYAGA',55,1,3,1,1,'FFН-FGA(1)-300',100,'верхняя');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required","UseLen","LenFormula","MinLen","Note") VALUES ('SH-PS-L','E-SHT-TYAGA',56,1,3,900,1,1,'FRH/2-350',100,'нижняя');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","StulpType","Required","UseLen","LenFormula","MinLen") VALUES ('SH-PS-L','E-SHT-UPL',57,1,3,8,1,1,'FН-40',300);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-PS-L','E-UGOL',58,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('SH-PS-L','E-UGOL',59,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFL21No","FFL21Min","FFL22No","FFL22Max","Required") VALUES ('SH-PS-L','E-ZAPOR-VERT',60,1,1,1,1601,2,1200,1);
-- ARK-L
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFR1No","FFR1Type","Required") VALUES ('ARK-L','E-AR-ELL',61,1,2,2,8,0);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Side1No","Side2No","Required","UseLen","LenFormula","MinLen") VALUES ('ARK-L','E-AR-TYAGA',62,1,2,10,2,2,1,1,'fl(2)*3/2-500',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFR1No","FFR1Min","FFR1Max","FFR1Type","Condition","Side1No","Required") VALUES ('ARK-L','E-AR-UGOL',63,1,2,2,200,1500,6,8,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('ARK-L','E-OPORA-VERH',64,1,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFR2No","FFR2Min","FFR2Type","Condition","Side2No","Required") VALUES ('ARK-L','E-AR-ZAPOR',65,1,2,2,600,4,9,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo") VALUES ('ARK-L','E-PRIVOD',66,1,3,2,1,1,3);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('ARK-L','E-UGOL',67,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Side1No","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('ARK-L','E-ZAPOR-VERT',68,0,3,3,3,700,500,1,1);
-- TRAP-L
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required") VALUES ('TRAP-L','E-NOZH-NAKL',69,1,2,3,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo") VALUES ('TRAP-L','E-PRIVOD',70,1,3,2,1,1,3);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Side1No","Required","UseLen","LenFormula","MinLen") VALUES ('TRAP-L','E-TYAGA-NAKL',71,1,2,4,2,1,1,'FL(2)-400',100);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('TRAP-L','E-UGOL',72,1,4,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFANo","FFAMin","FFAMax","Condition","AngleNo","Required") VALUES ('TRAP-L','E-UGOL-OSTR',73,1,3,3,20,89,7,3,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","AngleNo","Required") VALUES ('TRAP-L','E-UGOL-TUP',74,1,2,7,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleNum","ScaleScheme","Required") VALUES ('TRAP-L','E-ZAPOR-GOR',75,0,4,1,1,'801;1201;1601',1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFL1No","FFL1Min","Condition","Side2No","Required") VALUES ('TRAP-L','E-ZAPOR-NAKL',76,1,2,2,600,5,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFL2No","FFL2Min","FFL2Max","Required") VALUES ('TRAP-L','E-ZAPOR-PETL',77,1,1,1,800,2000,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Side2No","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('TRAP-L','E-ZAPOR-VERT',78,0,3,3,4,1201,400,1,1);
-- TRI-5
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Side1No","Side2No","Required") VALUES ('TRI-5','E-NOZH-TRI',79,1,1,6,1,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Condition","Required","DefineHandleHeight","HandleSideNo") VALUES ('TRI-5','E-PRIVOD',80,1,2,2,1,1,2);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFANo","FFAMin","FFAMax","Condition","AngleNo","Required") VALUES ('TRI-5','E-UGOL-OSTR',81,1,1,2,20,70,7,2,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Side2No","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('TRI-5','E-ZAPOR-VERT',82,0,2,2,4,800,500,1,1);
-- DV-L
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required","Note") VALUES ('DV-L','E-DV-POROG',83,1,4,1,'порог');
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required","UseLen","LenFormula","MinLen") VALUES ('DV-L','E-DV-UPL',84,1,0,1,1,'(FFB+FRH)*2',1000);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","ScaleCondition","ScaleStart","ScaleStep","ScaleNum","Required") VALUES ('DV-L','E-ZAPOR-VERT',85,0,3,2,1201,400,1,1);
-- HS-100
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('HS-100','E-PETLI',86,1,0,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","FFHMax","Required") VALUES ('HS-100','E-PETLYA-SRED',87,1,0,1601,0,0);
-- HD-3
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMax","Required") VALUES ('HD-3','E-DV-PETLYA',88,3,0,2100,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","FFHMin","Required") VALUES ('HD-3','E-DV-PETLYA',89,4,0,2101,1);
-- RK-STD
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Required") VALUES ('RK-STD','E-RUCHKA',90,1,0,42,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","PropKey","Required") VALUES ('RK-STD','E-RUCHKA-Z',91,1,0,41,1);
-- RD-NAZH
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('RD-NAZH','E-DV-RUCHKA',92,1,3,1);
-- ZM-35
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required","DefineHandleHeight","HandleSideNo","AlertIfNoArt") VALUES ('ZM-35','E-ZAMOK',93,1,3,1,1,0,'Для выбранного дорнмасса нет дверного замка (выпускаются 25 и 35 мм).');
-- CY-KK
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('CY-KK','E-CYL',94,1,3,1);
-- DOP-OGR
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('DOP-OGR','E-OGR',95,1,2,1);
-- DOP-RC
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('DOP-RC','E-ZAPOR-PETL',96,1,1,1);
INSERT INTO "FrnSet" ("ID","Item","Key","Number","ItemSideNo","Required") VALUES ('DOP-RC','E-ZAPOR-GOR',97,1,2,1);

-- FrnArt: article rules per element (ranges, rebate values, backset, colour, strike-plate system ...)
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFHMin","FFHMax","DornMassMin","DornMassMax","HandleHeight") VALUES ('E-PRIVOD','VF-PP-07-1',1,400,1000,7.5,7.5,0);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFHMin","FFHMax","DornMassMin","DornMassMax","HandleHeight") VALUES ('E-PRIVOD','VF-PP-07-2',2,1001,1800,7.5,7.5,0);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFHMin","FFHMax","DornMassMin","DornMassMax","HandleHeight") VALUES ('E-PRIVOD','VF-PP-07-3',3,1801,2400,7.5,7.5,1050);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFHMin","FFHMax","DornMassMin","DornMassMax","HandleHeight") VALUES ('E-PRIVOD','VF-PP-15-1',4,400,1800,15,15,0);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFHMin","FFHMax","DornMassMin","DornMassMax","HandleHeight") VALUES ('E-PRIVOD','VF-PP-15-2',5,1801,2400,15,15,1050);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-UGOL','VF-UP-01',6);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFBMin","FFBMax","FalzLuft") VALUES ('E-NOZH','VF-NZ-10',7,400,1000,12);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFBMin","FFBMax","FalzLuft") VALUES ('E-NOZH','VF-NZ-16',8,1001,1600,12);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFBMin","FFBMax","FalzLuft") VALUES ('E-NOZH-MP','VF-NZM-16',9,400,1600,12);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-ZAPOR-VERT','VF-ZS-06',10);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-ZAPOR-GOR','VF-ZS-06',11);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-ZAPOR-PETL','VF-ZS-06',12);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-BLOK','VF-BL-01',13);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-PL-BLOK','VF-OBL-01',14);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFBMin","FFBMax") VALUES ('E-PODJEM','VF-PD-01',15,801,1200);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFBMin","FFBMax") VALUES ('E-PODJEM','VF-PD-00',16,1201,1600);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-TYAGA-VERH','VF-ST-M',17);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-TYAGA-VERT','VF-ST-M',18);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FalzSize") VALUES ('E-OPORA-VERH','VF-OV-20',19,20);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FalzSize") VALUES ('E-OPORA-VERH','VF-OV-18',20,18);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FalzPos") VALUES ('E-OPORA-NIZ','VF-ON-09',21,9);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FalzPos") VALUES ('E-OPORA-NIZ','VF-ON-13',22,13);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Direct") VALUES ('E-PETLYA-100','VF-PN-100',23,3);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Direct") VALUES ('E-PETLYA-130','VF-PN-130L',24,1);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Direct") VALUES ('E-PETLYA-130','VF-PN-130R',25,2);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-PETLYA-SRED','VF-PS-01',26);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-KOLP','VF-KP-WH',27,'WHITE');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-KOLP','VF-KP-00',28,'');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA','VF-RK-SI',29,'SILVER');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA','VF-RK-WH',30,'WHITE');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA','VF-RK-BR',31,'BRONZE');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA','VF-RK-BA',32,'BRONZE');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA-Z','VF-RKZ-SI',33,'SILVER');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA-Z','VF-RKZ-WH',34,'WHITE');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-RUCHKA-Z','VF-RKZ-00',35,'');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-PRIVOD','VF-OP-58',36,'SP58');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-PRIVOD','VF-OP-70',37,'SP70');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-PRIVOD','VF-OP-70',38,'SP82');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-SRED','VF-OP-58',39,'SP58');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-SRED','VF-OP-70',40,'SP70');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-SRED','VF-OP-70',41,'SP82');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-UGOL','VF-OU-58',42,'SP58');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-UGOL','VF-OU-70',43,'SP70');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-UGOL','VF-OU-70',44,'SP82');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-ZAMOK','VF-OP-58',45,'SP58');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-ZAMOK','VF-OP-70',46,'SP70');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ProfSys") VALUES ('E-PL-ZAMOK','VF-OP-70',47,'SP82');
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-PODKL','VF-PK-01',48);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-PL-SHT','VF-OSH-01',49);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-ZAPOR-SHT','VF-ZSH-01',50);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","StulpType") VALUES ('E-SHT-MEH','VF-SHM-AL',51,2);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","StulpType") VALUES ('E-SHT-MEH','VF-SHM-PV',52,3);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-SHT-OTV','VF-OZS-01',53);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-SHT-TYAGA','VF-ST-M',54);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-SHT-UPL','VF-UPL-SH',55);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-SHT-ZAGL','VF-SHZ-01',56);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFAMin","FFAMax") VALUES ('E-UGOL-TUP','VF-UPT-01',57,95,135);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFAMin","FFAMax") VALUES ('E-UGOL-TUP','VF-UPT-02',58,135.01,175);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFAMin","FFAMax") VALUES ('E-UGOL-OSTR','VF-UPO-01',59,20,45);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFAMin","FFAMax") VALUES ('E-UGOL-OSTR','VF-UPO-02',60,45.01,89);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFBMin","FFBMax","FFHMin","FFHMax") VALUES ('E-NOZH-NAKL','VF-NZN-01',61,400,1600,400,2400);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFL1Min","FFL1Max") VALUES ('E-TYAGA-NAKL','VF-ST-M',62,300,2000);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFL2Min","FFL2Max") VALUES ('E-ZAPOR-NAKL','VF-ZS-06',63,600,1400);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFL2Min","FFL2Max") VALUES ('E-ZAPOR-NAKL','VF-ZS-10',64,1401,2400);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFL1Min","FFL1Max","FFL2Min","FFL2Max") VALUES ('E-NOZH-TRI','VF-NZT-01',65,500,2500,300,1500);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFR1Min","FFR1Max") VALUES ('E-AR-UGOL','VF-AR-01',66,200,700);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFR1Min","FFR1Max") VALUES ('E-AR-UGOL','VF-AR-02',67,701,1500);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFR2Min","FFR2Max") VALUES ('E-AR-ZAPOR','VF-ARZ-01',68,600,1500);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","FFR1Min","FFR1Max","FFR2Min","FFR2Max") VALUES ('E-AR-TYAGA','VF-ST-M',69,200,1500,200,1500);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","DornMassMin","DornMassMax","ProfWidthMin","ProfWidthMax","Direct","HandleHeight") VALUES ('E-ZAMOK','VF-DZ-35',70,35,35,60,120,3,1050);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","DornMassMin","DornMassMax","ProfWidthMin","ProfWidthMax","Direct","HandleHeight") VALUES ('E-ZAMOK','VF-DZ-25',71,25,25,60,120,3,1050);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ThicknessMin","ThicknessMax") VALUES ('E-CYL','VF-CY-30',72,56,65);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ThicknessMin","ThicknessMax") VALUES ('E-CYL','VF-CY-35',73,66,75);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","ThicknessMin","ThicknessMax") VALUES ('E-CYL','VF-CY-40',74,76,90);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","WeightMin","WeightMax") VALUES ('E-DV-PETLYA','VF-DP-01',75,0,120);
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-DV-RUCHKA','VF-DR-SI',76,'SILVER');
INSERT INTO "FrnArt" ("ID","CatalogID","Key","Color") VALUES ('E-DV-RUCHKA','VF-DR-WH',77,'WHITE');
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-DV-UPL','VF-UPL-D',78);
INSERT INTO "FrnArt" ("ID","CatalogID","Key") VALUES ('E-OGR','VF-OG-01',79);

-- FrnSchl: strike plates an article needs (strike-plate pass)
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-1','E-PL-PRIVOD',1,1,6,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-1','E-PL-SHT',2,1,0,0,0,'SH-GL-L');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-1','E-PL-SHT',3,1,0,0,0,'SH-GL-R');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-2','E-PL-PRIVOD',4,1,6,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-2','E-PL-SHT',5,1,0,0,0,'SH-GL-L');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-2','E-PL-SHT',6,1,0,0,0,'SH-GL-R');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-3','E-PL-PRIVOD',7,1,6,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-3','E-PL-SHT',8,1,0,0,0,'SH-GL-L');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-3','E-PL-SHT',9,1,0,0,0,'SH-GL-R');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-1','E-PL-PRIVOD',10,1,6,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-1','E-PL-SHT',11,1,0,0,0,'SH-GL-L');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-1','E-PL-SHT',12,1,0,0,0,'SH-GL-R');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-2','E-PL-PRIVOD',13,1,6,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-2','E-PL-SHT',14,1,0,0,0,'SH-GL-L');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-2','E-PL-SHT',15,1,0,0,0,'SH-GL-R');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-UP-01','E-PL-UGOL',16,1,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-UPO-01','E-PL-UGOL',17,1,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-UPO-02','E-PL-UGOL',18,1,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-ZS-06','E-PL-SRED',19,1,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-ZS-06','E-PODKL',20,1,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-ZS-10','E-PL-SRED',21,2,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-ZS-10','E-PODKL',22,2,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-NZ-10','E-PL-SRED',23,1,0,21,2,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-NZ-16','E-PL-SRED',24,1,0,21,2,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-NZM-16','E-PL-SRED',25,1,0,21,2,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-DZ-35','E-PL-ZAMOK',26,3,0,0,0,'');
INSERT INTO "FrnSchl" ("CatalogID","Item","Key","Number","StulpType","PropKey","ItemSideNo","ItemComplectID") VALUES ('VF-DZ-25','E-PL-ZAMOK',27,3,0,0,0,'');

-- FrnDop: additional articles an article needs (additional-article pass)
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-1','VF-ZG-01',1,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-2','VF-ZG-01',2,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-PP-07-3','VF-ZG-01',3,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-1','VF-ZG-01',4,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-PP-15-2','VF-ZG-01',5,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-NZ-10','VF-OG-01',6,1,31,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-NZ-16','VF-OG-01',7,1,31,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-NZM-16','VF-OG-01',8,1,31,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RK-SI','VF-VN-5',9,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RK-WH','VF-VN-5',10,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RK-BR','VF-VN-5',11,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RK-BA','VF-VN-5',12,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RKZ-SI','VF-VN-5',13,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RKZ-WH','VF-VN-5',14,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-RKZ-00','VF-VN-5',15,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-OP-58','VF-SR-425',16,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-OP-70','VF-SR-425',17,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-OU-58','VF-SR-425',18,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-OU-70','VF-SR-425',19,2,0,0,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-SHM-PV','VF-ZG-01',20,2,0,3,0,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-UP-01','VF-ZG-01',21,1,0,0,4,'');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-DZ-35','VF-ZG-01',22,4,0,0,0,'ZM-35');
INSERT INTO "FrnDop" ("CatalogID","AccessoryID","Key","Number","PropKey","StulpType","ItemSideNo","ItemComplectID") VALUES ('VF-DZ-25','VF-ZG-01',23,4,0,0,0,'ZM-35');

-- FrnAbd: colour-dependent covers (cover pass); Color empty = fallback for every other colour
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-100','SILVER','VF-NK-PN-SI',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-100','BRONZE','VF-NK-PN-BR',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-100','WHITE','VF-NK-PN-WH',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-130L','SILVER','VF-NK-PN-SI',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-130L','BRONZE','VF-NK-PN-BR',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-130L','WHITE','VF-NK-PN-WH',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-130R','SILVER','VF-NK-PN-SI',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-130R','BRONZE','VF-NK-PN-BR',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PN-130R','WHITE','VF-NK-PN-WH',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-OV-20','SILVER','VF-NK-OV-SI',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-OV-20','WHITE','VF-NK-OV-WH',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-OV-20','','VF-NK-OV-00',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-OV-18','SILVER','VF-NK-OV-SI',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-OV-18','WHITE','VF-NK-OV-WH',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-OV-18','','VF-NK-OV-00',1,0,'');
INSERT INTO "FrnAbd" ("CatalogID","Color","AccessoryID","Number","ItemSideNo","ItemComplectID") VALUES ('VF-PS-01','','VF-NK-OV-00',2,0,'');

-- FrnProp: property sets; 10/40/50 are offered by complects, the others restrict rule rows
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1010,1);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1011,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1020,1);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1021,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1022,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1030,1);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (10,1031,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (11,1011,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (12,1010,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (21,1021,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (21,1022,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (22,1022,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (31,1031,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (40,1040,1);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (40,1041,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (41,1041,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (42,1040,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (50,1050,1);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (50,1051,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (51,1050,0);
INSERT INTO "FrnProp" ("PropKey","ID","Default") VALUES (52,1051,0);

-- FrnItoI: composite elements and the sub-elements they bring along
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-PETLI','E-KOLP',0,2,0,2,0,'','под цвет профиля',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-PETLI','E-OPORA-NIZ',0,1,0,0,1,'Нет нижней опоры петли для этого положения фальца (FalzPos 9 или 13).','',4);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-PETLI','E-PETLYA-100',51,1,0,0,1,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-PETLI','E-PETLYA-130',52,1,0,0,1,'Петля до 130 кг выпускается только левой или правой.','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-NOZH','E-KOLP',0,1,0,3,0,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-NOZH','E-OPORA-VERH',0,1,0,0,1,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-NOZH-MP','E-KOLP',0,1,0,3,0,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-NOZH-MP','E-OPORA-VERH',0,1,0,0,1,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-NOZH-NAKL','E-KOLP',0,1,0,1,0,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-NOZH-NAKL','E-OPORA-VERH',0,1,0,0,1,'','',1);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-SHT-MEH','E-SHT-ZAGL',0,2,4,0,1,'','',0);
INSERT INTO "FrnItoI" ("ID","Item","PropKey","Number","StulpType","ColorCondition","Required","AlertIfNoArt","Note","ItemSideNo") VALUES ('E-BLOK','E-PL-BLOK',0,1,1,0,0,'','',0);
