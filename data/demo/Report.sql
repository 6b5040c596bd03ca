-- Demo report list (Report.db): Group 11 = order reports, 12 = selection reports.
-- The template files are invented names; USE = 0 rows are listed only when the user asks for all reports.

-- Report
INSERT INTO "Report" ("Group","SubGroup","USE","Name","FileName","Default","Copies") VALUES (11,1,1,'Спецификация заказа','vf_order_spec.xml',1,1);
INSERT INTO "Report" ("Group","SubGroup","USE","Name","FileName","Default","Copies") VALUES (11,1,1,'Спецификация заказа с эскизами створок','vf_order_spec_sketch.xml',0,1);
INSERT INTO "Report" ("Group","SubGroup","USE","Name","FileName","Default","Copies") VALUES (11,2,1,'Счет заказчику','vf_order_invoice.xml',0,2);
INSERT INTO "Report" ("Group","SubGroup","USE","Name","FileName","Default","Copies") VALUES (11,3,0,'Комплектовочная ведомость (старая форма)','vf_order_picklist_old.xml',0,1);
INSERT INTO "Report" ("Group","SubGroup","USE","Name","FileName","Default","Copies") VALUES (12,1,1,'Сводная спецификация выборки','vf_selection_spec.xml',1,1);
INSERT INTO "Report" ("Group","SubGroup","USE","Name","FileName","Default","Copies") VALUES (12,2,1,'Сводная заявка на фурнитуру','vf_selection_request.xml',0,1);
