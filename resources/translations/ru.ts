<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Vexa Modulant - About</source>
        <translation>Vexa Modulant - О программе</translation>
    </message>
    <message>
        <source>Program version:
%1</source>
        <translation>Версия программы:
%1</translation>
    </message>
    <message>
        <source>&lt;p&gt;Questions? Mail us:&lt;br/&gt;&lt;a href=&quot;mailto:support@zorvik.tech&quot;&gt;support@zorvik.tech&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Вопросы? Пишите:&lt;br/&gt;&lt;a href=&quot;mailto:support@zorvik.tech&quot;&gt;support@zorvik.tech&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Web shop:&lt;br/&gt;&lt;a href=&quot;https://shop.zorvik.tech&quot;&gt;shop.zorvik.tech&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BufferTab</name>
    <message>
        <source>Buffer %1</source>
        <translation>Буфер %1</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Vexa Modulant - Compare</source>
        <translation>Vexa Modulant - Сравнение</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>&amp;Сравнить с:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>С&amp;равнить</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Байт</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same bytes.</source>
        <translation>%1 и %2 содержат одинаковые байты.</translation>
    </message>
    <message>
        <source>Bytes that differ: %1</source>
        <translation>Различающихся байтов: %1</translation>
    </message>
</context>
<context>
    <name>DiagnosticsMonitor</name>
    <message>
        <source>no thresholds</source>
        <translation>порогов нет</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>норма</translation>
    </message>
    <message>
        <source>high alarm</source>
        <translation>выше аварийного порога</translation>
    </message>
    <message>
        <source>low alarm</source>
        <translation>ниже аварийного порога</translation>
    </message>
    <message>
        <source>high warning</source>
        <translation>выше порога предупреждения</translation>
    </message>
    <message>
        <source>low warning</source>
        <translation>ниже порога предупреждения</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>не число</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>вне диапазона</translation>
    </message>
    <message>
        <source>Stopped. The values are the last ones read.</source>
        <translation>Остановлено. Показаны последние считанные значения.</translation>
    </message>
    <message>
        <source>Monitor reads the module&apos;s diagnostics once a second.</source>
        <translation>Монитор считывает диагностику (DDM) модуля раз в секунду.</translation>
    </message>
    <message>
        <source>Reading the module&apos;s thresholds...</source>
        <translation>Считываем пороги модуля...</translation>
    </message>
    <message>
        <source>This module has no digital diagnostics</source>
        <translation>Модуль не поддерживает цифровую диагностику (DDM)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Остановлено: %1</translation>
    </message>
    <message>
        <source>Reading the diagnostics of the %1 module once a second.</source>
        <translation>Диагностика модуля %1 читается раз в секунду.</translation>
    </message>
</context>
<context>
    <name>DocumentTab</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
</context>
<context>
    <name>ImageInput</name>
    <message>
        <source>Unknown --device &quot;%1&quot;: give a0 or a2</source>
        <translation>Неизвестное --device «%1»: укажите a0 или a2</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 bytes: not a module image</source>
        <translation>Стандартный ввод содержит больше %1 байт: это не образ модуля</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
    <message>
        <source>The image holds one table (128 bytes); name one table with -t, not %1</source>
        <translation>Образ содержит одну таблицу (128 байт); укажите в -t одну таблицу, а не %1</translation>
    </message>
</context>
<context>
    <name>LogoWindow</name>
    <message>
        <source>Vexa Modulant - Logo</source>
        <translation>Vexa Modulant - Логотип</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear current buffer</source>
        <translation>Очистить текущий буфер</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Load buffer from file</source>
        <translation>Загрузить буфер из файла</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Save current buffer to file</source>
        <translation>Сохранить текущий буфер в файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Read from SFP</source>
        <translation>Вычитать из SFP</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Вычитать</translation>
    </message>
    <message>
        <source>Write to SFP</source>
        <translation>Записать в SFP</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>Select &amp;Table:</source>
        <translation>&amp;Таблица:</translation>
    </message>
    <message>
        <source>A0 Low</source>
        <translation>A0 Нижняя</translation>
    </message>
    <message>
        <source>A0 High</source>
        <translation>A0 Верхняя</translation>
    </message>
    <message>
        <source>A2 Low</source>
        <translation>A2 Нижняя</translation>
    </message>
    <message>
        <source>A2 High</source>
        <translation>A2 Верхняя</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Checksum:</source>
        <translation>Контрольная сумма:</translation>
    </message>
    <message>
        <source>0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vendor:</source>
        <translation>&amp;Производитель:</translation>
    </message>
    <message>
        <source>&amp;Part Number:</source>
        <translation>Па&amp;ртномер:</translation>
    </message>
    <message>
        <source>Serial N&amp;umber:</source>
        <translation>С&amp;ерийный номер:</translation>
    </message>
    <message>
        <source>&amp;Length SMF</source>
        <translation>&amp;Длина SMF</translation>
    </message>
    <message>
        <source>&amp;MMF(OM3)</source>
        <translation>&amp;ММF(OM3)</translation>
    </message>
    <message>
        <source>&amp;COPPER</source>
        <translation>&amp;СOPPER</translation>
    </message>
    <message>
        <source>WaveLengt&amp;h, nm:</source>
        <translation>Дл&amp;ина волны, нм:</translation>
    </message>
    <message>
        <source>Spee&amp;d, G:</source>
        <translation>С&amp;корость, Гбит/с:</translation>
    </message>
    <message>
        <source>Lo&amp;g:</source>
        <translation>&amp;Журнал:</translation>
    </message>
    <message>
        <source>Cle&amp;ar log</source>
        <translation>Очистить ж&amp;урнал</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>Buffer &amp;%1</source>
        <translation>Буфер &amp;%1</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Binary (*.bin *)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load file: %1</source>
        <translation>Файл загружен: %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Binary (*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file: %1</source>
        <translation>Файл сохранён: %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Attention! Changing this memory area may lead to incorrect operation of DDMI and other module parameters. Are you sure that you want to continue recording?</source>
        <translation>Внимание! Изменение этой области памяти может нарушить работу DDMI и других параметров модуля. Вы уверены, что хотите продолжить запись?</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Запись...</translation>
    </message>
    <message>
        <source>Checksum: 0x%1
</source>
        <translation>Контрольная сумма: 0x%1
</translation>
    </message>
    <message>
        <source>Checksum doesn&apos;t match
</source>
        <translation>Контрольная сумма не совпадает
</translation>
    </message>
    <message>
        <source>Checksum expect: 0x%1
</source>
        <translation>Контрольная сумма ожидаемая: 0x%1
</translation>
    </message>
    <message>
        <source>Checksum calculate: 0x%1
</source>
        <translation>Контрольная сумма расcчитанная: 0x%1
</translation>
    </message>
    <message>
        <source>Checksum doesn&apos;t match</source>
        <translation>Контрольная сумма не совпадает</translation>
    </message>
    <message>
        <source>Bytes read back don&apos;t match, the first at 0x%1
</source>
        <translation>Прочитанные байты не совпадают с записанными, первый по адресу 0x%1
</translation>
    </message>
    <message>
        <source>Verify failed: the bytes read back differ from the buffer</source>
        <translation>Проверка не пройдена: прочитанные байты отличаются от буфера</translation>
    </message>
    <message>
        <source>Succesfull write
</source>
        <translation>Запись выполнена успешно
</translation>
    </message>
    <message>
        <source>Vexa Modulant - Error</source>
        <translation>Vexa Modulant - Ошибка</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Общие</translation>
    </message>
    <message>
        <source>&amp;Help/About</source>
        <translation>&amp;Справка/О программе</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Без пароля</translation>
    </message>
    <message>
        <source>Zorvik 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvik 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the module&apos;s diagnostics once a second</source>
        <translation>Считывать диагностику (DDM) модуля раз в секунду</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <source>Lo&amp;g</source>
        <translation>&amp;Журнал</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Расшифровка</translation>
    </message>
    <message>
        <source>Re&amp;ad table</source>
        <translation>&amp;Вычитать таблицу</translation>
    </message>
    <message>
        <source>&amp;Write table</source>
        <translation>Зап&amp;исать таблицу</translation>
    </message>
    <message>
        <source>D&amp;iagnostics</source>
        <translation>Ди&amp;агностика</translation>
    </message>
    <message>
        <source>&amp;Monitor</source>
        <translation>&amp;Монитор</translation>
    </message>
    <message>
        <source>Program a series of modules, each with its own serial number</source>
        <translation>Запрограммировать серию модулей, каждый со своим серийным номером</translation>
    </message>
    <message>
        <source>Ser&amp;ies</source>
        <translation>Се&amp;рия</translation>
    </message>
    <message>
        <source>Se&amp;ries...</source>
        <translation>&amp;Серия...</translation>
    </message>
    <message>
        <source>A2 Page</source>
        <translation>A2 Страница</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>%1 is a dump of i2cdump, which does not say which device it was read from. Which is it?</source>
        <translation>%1 — дамп i2cdump, а он не говорит, с какого устройства снят. С какого?</translation>
    </message>
    <message>
        <source>A0h (identification)</source>
        <translation>A0h (идентификация)</translation>
    </message>
    <message>
        <source>A2h (diagnostics)</source>
        <translation>A2h (диагностика)</translation>
    </message>
    <message>
        <source>Module family: %1
</source>
        <translation>Семейство модуля: %1
</translation>
    </message>
    <message>
        <source>The bank of a CMIS module&apos;s banked page, written to byte 126 with the page for the transfer</source>
        <translation>Банк банковой страницы модуля CMIS, записываемый в байт 126 вместе со страницей на время передачи</translation>
    </message>
    <message>
        <source>bank </source>
        <translation>банк </translation>
    </message>
    <message>
        <source>The page of the upper half (A2h&apos;s, or a QSFP or CMIS module&apos;s), written to byte 127 for the transfer</source>
        <translation>Страница верхней половины (A2h или модуля QSFP либо CMIS), записываемая в байт 127 на время передачи</translation>
    </message>
    <message>
        <source>The module took the password &quot;%1&quot;
</source>
        <translation>Модуль принял пароль «%1»
</translation>
    </message>
    <message>
        <source>Verify failed: %1</source>
        <translation>Проверка не пройдена: %1</translation>
    </message>
    <message>
        <source>Recent &amp;files</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Open &amp;module...</source>
        <translation>Открыть &amp;модуль...</translation>
    </message>
    <message>
        <source>Open a file of a whole module into the Module tab</source>
        <translation>Открыть файл всего модуля на вкладке «Модуль»</translation>
    </message>
    <message>
        <source>Sa&amp;ve module...</source>
        <translation>Сохранить мо&amp;дуль...</translation>
    </message>
    <message>
        <source>Save the Module tab as a file</source>
        <translation>Сохранить вкладку «Модуль» в файл</translation>
    </message>
    <message>
        <source>Read the current buffer&apos;s table from the module</source>
        <translation>Вычитать таблицу текущего буфера из модуля</translation>
    </message>
    <message>
        <source>Read mod&amp;ule</source>
        <translation>Вычитать мод&amp;уль</translation>
    </message>
    <message>
        <source>Read every table and page of the module into the Module tab</source>
        <translation>Вычитать все таблицы и страницы модуля на вкладку «Модуль»</translation>
    </message>
    <message>
        <source>Write the current buffer into the module</source>
        <translation>Записать текущий буфер в модуль</translation>
    </message>
    <message>
        <source>Write modu&amp;le</source>
        <translation>Записать моду&amp;ль</translation>
    </message>
    <message>
        <source>Write the tables and pages of the Module tab that differ from the module</source>
        <translation>Записать таблицы и страницы вкладки «Модуль», которые отличаются от модуля</translation>
    </message>
    <message>
        <source>&amp;Copy table</source>
        <translation>&amp;Копировать таблицу</translation>
    </message>
    <message>
        <source>Copy the whole table of the current buffer</source>
        <translation>Скопировать всю таблицу текущего буфера</translation>
    </message>
    <message>
        <source>&amp;Paste table</source>
        <translation>В&amp;ставить таблицу</translation>
    </message>
    <message>
        <source>Paste the copied table into the current buffer</source>
        <translation>Вставить скопированную таблицу в текущий буфер</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Ср&amp;авнить с...</translation>
    </message>
    <message>
        <source>Mark and list the bytes in which the current buffer differs from another buffer, a file or the module</source>
        <translation>Отметить и перечислить байты, которыми текущий буфер отличается от другого буфера, файла или модуля</translation>
    </message>
    <message>
        <source>A file...</source>
        <translation>Файл...</translation>
    </message>
    <message>
        <source>The module in the socket</source>
        <translation>Модуль в разъёме</translation>
    </message>
    <message>
        <source>Vexa Modulant - Compare %1</source>
        <translation>Vexa Modulant - Сравнение: %1</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Сравнить с файлом</translation>
    </message>
    <message>
        <source>%1 holds none of the tables of %2.</source>
        <translation>В %1 нет ни одной таблицы из %2.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>В «%1» есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Open Module</source>
        <translation>Открыть модуль</translation>
    </message>
    <message>
        <source>Module images (*.txt *.bin *)</source>
        <translation>Образы модуля (*.txt *.bin *)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открытие</translation>
    </message>
    <message>
        <source>Save Module</source>
        <translation>Сохранить модуль</translation>
    </message>
    <message>
        <source>Module images (*.txt *.bin)</source>
        <translation>Образы модуля (*.txt *.bin)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Запись: %1...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение: %1...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Nothing to write: the module holds every table and page as they are here</source>
        <translation>Записывать нечего: все таблицы и страницы в модуле такие же, как здесь</translation>
    </message>
    <message>
        <source>Attention! The write changes %1, which holds the diagnostics&apos; thresholds and calibration; a wrong value there may lead to incorrect operation of DDMI and other module parameters. The write covers %2. Are you sure that you want to continue recording?</source>
        <translation>Внимание! Запись изменяет %1 — там пороги и калибровка диагностики; неверное значение может нарушить работу DDMI и других параметров модуля. Будут записаны: %2. Вы уверены, что хотите продолжить запись?</translation>
    </message>
    <message>
        <source>Canceled write
</source>
        <translation>Запись отменена
</translation>
    </message>
    <message>
        <source>Canceled read
</source>
        <translation>Чтение отменено
</translation>
    </message>
    <message>
        <source>The module has no diagnostics (A2h): only its A0h tables were read.</source>
        <translation>У модуля нет диагностики (A2h): вычитаны только таблицы A0h.</translation>
    </message>
    <message>
        <source>Read module</source>
        <translation>Чтение модуля</translation>
    </message>
    <message>
        <source>Read the module: %1
</source>
        <translation>Модуль вычитан: %1
</translation>
    </message>
    <message>
        <source>Successful write of %1
</source>
        <translation>Запись выполнена успешно: %1
</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Check programmer...</source>
        <translation>&amp;Проверка программатора...</translation>
    </message>
    <message>
        <source>Check the programmer, its wiring and the module, step by step</source>
        <translation>Проверить программатор, его монтаж и модуль по шагам</translation>
    </message>
</context>
<context>
    <name>ModulePanel</name>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Байты</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>This table holds no fields.</source>
        <translation>В этой таблице нет полей.</translation>
    </message>
    <message>
        <source>Select a field to see its bytes.</source>
        <translation>Выберите поле, чтобы увидеть его байты.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 bytes %2 (%3h): %4</source>
        <translation>%1, байты %2 (%3h): %4</translation>
    </message>
    <message>
        <source>As read or opened, %1 was %2h, not %3h. The buffer holds the right one; a Write puts it into the module.</source>
        <translation>При чтении или открытии %1 был %2h, а не %3h. В буфере верное значение; запись перенесёт его в модуль.</translation>
    </message>
    <message>
        <source>Tune to c&amp;hannel:</source>
        <translation>Настроить на к&amp;анал:</translation>
    </message>
    <message>
        <source>&amp;or wavelength:</source>
        <translation>&amp;или длину волны:</translation>
    </message>
    <message>
        <source> nm</source>
        <translation> нм</translation>
    </message>
    <message>
        <source>Set in &amp;buffer</source>
        <translation>Поместить в &amp;буфер</translation>
    </message>
    <message>
        <source>Puts the channel and its wavelength into the buffer; Write sends them to the module.</source>
        <translation>Записывает канал и его длину волны в буфер; «Запись» передаёт их в модуль.</translation>
    </message>
    <message>
        <source>Module family: %1</source>
        <translation>Семейство модуля: %1</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Настройка канала</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Исправление</translation>
    </message>
</context>
<context>
    <name>PasswordListEditor</name>
    <message>
        <source>A preset: its digits are not shown</source>
        <translation>Предустановленный пароль: его цифры не показываются</translation>
    </message>
    <message>
        <source>Eight hexadecimal digits are needed</source>
        <translation>Нужны восемь шестнадцатеричных цифр</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Пароль %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Show the digits of the passwords</source>
        <translation>Показать цифры паролей</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>SFF-8472 default</source>
        <translation>Заводской SFF-8472</translation>
    </message>
</context>
<context>
    <name>ModuleTab</name>
    <message>
        <source>The tables and pages of the module; the grid shows the selected one</source>
        <translation>Таблицы и страницы модуля; в сетке — выбранная</translation>
    </message>
    <message>
        <source>Copy the selected table or page into a buffer</source>
        <translation>Скопировать выбранную таблицу или страницу в буфер</translation>
    </message>
    <message>
        <source>To &amp;buffer</source>
        <translation>В &amp;буфер</translation>
    </message>
    <message>
        <source>Put a buffer&apos;s table into the module image, at the table the buffer stands for</source>
        <translation>Поместить таблицу буфера в образ модуля, на место той таблицы, которую представляет буфер</translation>
    </message>
    <message>
        <source>From bu&amp;ffer</source>
        <translation>Из бу&amp;фера</translation>
    </message>
    <message>
        <source>No module yet: Read module (Ctrl+Shift+R) or Open module (Ctrl+Shift+O).</source>
        <translation>Модуля пока нет: вычитайте модуль (Ctrl+Shift+R) или откройте файл модуля (Ctrl+Shift+O).</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Copy from the module</source>
        <translation>Копирование из модуля</translation>
    </message>
    <message>
        <source>Take from %1</source>
        <translation>Перенос из «%1»</translation>
    </message>
</context>
<context>
    <name>ProgrammerWarning</name>
    <message>
        <source>Many CH341A boards put 5 V on the I2C lines, while SFP modules expect 3.3 V. Use a board switched or modified for 3.3 V, or a level shifter, or the module may be damaged.</source>
        <translation>Многие платы CH341A подают на линии I2C 5 В, а SFP-модули рассчитаны на 3,3 В. Используйте плату, переключённую или доработанную на 3,3 В, или преобразователь уровней, иначе модуль можно повредить.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Vexa Modulant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Отмена...</translation>
    </message>
</context>
<context>
    <name>RegionReader</name>
    <message>
        <source>The module has no diagnostics (A2h): only its A0h tables were read.</source>
        <translation>У модуля нет диагностики (A2h): прочитаны только таблицы A0h.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>Module family: %1</source>
        <translation>Семейство модуля: %1</translation>
    </message>
</context>
<context>
    <name>RegionSelection</name>
    <message>
        <source>Unknown table &quot;%1&quot;: the tables are a0-low, a0-high, a2-low, a2-high, a2-page-NN (a page of A2h, NN in hexadecimal), lower, page-NN and bank-N-page-NN (QSFP and CMIS modules), a0, a2 and all</source>
        <translation>Неизвестная таблица «%1»: таблицы — a0-low, a0-high, a2-low, a2-high, a2-page-NN (страница A2h, NN — шестнадцатеричное число), lower, page-NN и bank-N-page-NN (модули QSFP и CMIS), a0, a2 и all</translation>
    </message>
    <message>
        <source>The image does not hold %1; it holds %2</source>
        <translation>В образе нет %1; в нём есть %2</translation>
    </message>
</context>
<context>
    <name>SeriesTemplate</name>
    <message>
        <source>The template %1 holds no A0 Low, which a series writes into every module</source>
        <translation>В шаблоне %1 нет A0 Нижней, которую серия записывает в каждый модуль</translation>
    </message>
    <message>
        <source>The template %1 holds no page 00h, which a series writes into every QSFP module</source>
        <translation>В шаблоне %1 нет страницы 00h, которую серия записывает в каждый модуль QSFP</translation>
    </message>
    <message>
        <source>The template %1 is of a %2 module: a series does not program such modules</source>
        <translation>Шаблон %1 относится к модулю %2: серия такие модули не программирует</translation>
    </message>
</context>
<context>
    <name>Sff</name>
    <message>
        <source>Unknown or unspecified</source>
        <translation>Неизвестно или не указано</translation>
    </message>
    <message>
        <source>Module soldered to motherboard</source>
        <translation>Модуль, распаянный на плате</translation>
    </message>
    <message>
        <source>Fibre Channel Style 1 copper connector</source>
        <translation>Медный разъём Fibre Channel Style 1</translation>
    </message>
    <message>
        <source>Fibre Channel Style 2 copper connector</source>
        <translation>Медный разъём Fibre Channel Style 2</translation>
    </message>
    <message>
        <source>Fibre Channel coax headers</source>
        <translation>Коаксиальные разъёмы Fibre Channel</translation>
    </message>
    <message>
        <source>Optical pigtail</source>
        <translation>Оптический пигтейл</translation>
    </message>
    <message>
        <source>Copper pigtail</source>
        <translation>Медный пигтейл</translation>
    </message>
    <message>
        <source>No separable connector</source>
        <translation>Неразъёмное подключение</translation>
    </message>
    <message>
        <source>Unspecified</source>
        <translation>Не указано</translation>
    </message>
    <message>
        <source>SFF-8079: 4/2/1G Rate_Select and AS0/AS1</source>
        <translation>SFF-8079: 4/2/1G, Rate_Select и AS0/AS1</translation>
    </message>
    <message>
        <source>SFF-8431: 8/4/2G Rx Rate_Select only</source>
        <translation>SFF-8431: 8/4/2G, Rate_Select только для Rx</translation>
    </message>
    <message>
        <source>SFF-8431: 8/4/2G Tx Rate_Select only</source>
        <translation>SFF-8431: 8/4/2G, Rate_Select только для Tx</translation>
    </message>
    <message>
        <source>SFF-8431: 8/4/2G independent Rx and Tx Rate_Select</source>
        <translation>SFF-8431: 8/4/2G, раздельный Rate_Select для Rx и Tx</translation>
    </message>
    <message>
        <source>FC-PI-5: 16/8/4G Rx Rate_Select only</source>
        <translation>FC-PI-5: 16/8/4G, Rate_Select только для Rx</translation>
    </message>
    <message>
        <source>FC-PI-5: 16/8/4G independent Rx and Tx Rate_Select</source>
        <translation>FC-PI-5: 16/8/4G, раздельный Rate_Select для Rx и Tx</translation>
    </message>
    <message>
        <source>FC-PI-6: 32/16/8G independent Rx and Tx Rate_Select</source>
        <translation>FC-PI-6: 32/16/8G, раздельный Rate_Select для Rx и Tx</translation>
    </message>
    <message>
        <source>10/8G Rx and Tx Rate_Select for the CDRs</source>
        <translation>10/8G, Rate_Select для CDR в Rx и Tx</translation>
    </message>
    <message>
        <source>FC-PI-7: 64/32/16G independent Rx and Tx Rate_Select</source>
        <translation>FC-PI-7: 64/32/16G, раздельный Rate_Select для Rx и Tx</translation>
    </message>
    <message>
        <source>Rate select by the PMDs of byte 36</source>
        <translation>Выбор скорости по PMD из байта 36</translation>
    </message>
    <message>
        <source>Diagnostics not included or undefined</source>
        <translation>Диагностика отсутствует или не определена</translation>
    </message>
    <message>
        <source>Vendor specific (%1)</source>
        <translation>Код производителя (%1)</translation>
    </message>
    <message>
        <source>Reserved (%1)</source>
        <translation>Зарезервировано (%1)</translation>
    </message>
    <message>
        <source>power level 3</source>
        <translation>класс мощности 3</translation>
    </message>
    <message>
        <source>paging implemented</source>
        <translation>страницы A2h</translation>
    </message>
    <message>
        <source>retimer or CDR</source>
        <translation>ретаймер или CDR</translation>
    </message>
    <message>
        <source>cooled laser</source>
        <translation>охлаждаемый лазер</translation>
    </message>
    <message>
        <source>power level 2</source>
        <translation>класс мощности 2</translation>
    </message>
    <message>
        <source>linear receiver output</source>
        <translation>линейный выход приёмника</translation>
    </message>
    <message>
        <source>receiver decision threshold</source>
        <translation>порог решения приёмника</translation>
    </message>
    <message>
        <source>tunable transmitter</source>
        <translation>перестраиваемый передатчик</translation>
    </message>
    <message>
        <source>inverted LOS</source>
        <translation>инверсный LOS</translation>
    </message>
    <message>
        <source>digital diagnostics</source>
        <translation>цифровая диагностика</translation>
    </message>
    <message>
        <source>internally calibrated</source>
        <translation>внутренняя калибровка</translation>
    </message>
    <message>
        <source>externally calibrated</source>
        <translation>внешняя калибровка</translation>
    </message>
    <message>
        <source>address change required</source>
        <translation>требуется смена адреса</translation>
    </message>
    <message>
        <source>alarm and warning flags</source>
        <translation>флаги аварий и предупреждений</translation>
    </message>
    <message>
        <source>soft TX_DISABLE</source>
        <translation>программный TX_DISABLE</translation>
    </message>
    <message>
        <source>soft TX_FAULT</source>
        <translation>программный TX_FAULT</translation>
    </message>
    <message>
        <source>soft RX_LOS</source>
        <translation>программный RX_LOS</translation>
    </message>
    <message>
        <source>soft RATE_SELECT</source>
        <translation>программный RATE_SELECT</translation>
    </message>
    <message>
        <source>application select (SFF-8079)</source>
        <translation>выбор приложения (SFF-8079)</translation>
    </message>
    <message>
        <source>soft rate select (SFF-8431)</source>
        <translation>программный выбор скорости (SFF-8431)</translation>
    </message>
    <message>
        <source>TX_DISABLE pin high</source>
        <translation>на выводе TX_DISABLE высокий уровень</translation>
    </message>
    <message>
        <source>soft TX_DISABLE set</source>
        <translation>программный TX_DISABLE включён</translation>
    </message>
    <message>
        <source>RS(1) high</source>
        <translation>RS(1) высокий</translation>
    </message>
    <message>
        <source>RS(0) high</source>
        <translation>RS(0) высокий</translation>
    </message>
    <message>
        <source>soft RS(0) set</source>
        <translation>программный RS(0) включён</translation>
    </message>
    <message>
        <source>TX_FAULT</source>
        <translation>TX_FAULT</translation>
    </message>
    <message>
        <source>RX_LOS</source>
        <translation>RX_LOS</translation>
    </message>
    <message>
        <source>data not ready</source>
        <translation>данные не готовы</translation>
    </message>
    <message>
        <source>temperature high</source>
        <translation>температура высокая</translation>
    </message>
    <message>
        <source>temperature low</source>
        <translation>температура низкая</translation>
    </message>
    <message>
        <source>supply voltage high</source>
        <translation>напряжение питания высокое</translation>
    </message>
    <message>
        <source>supply voltage low</source>
        <translation>напряжение питания низкое</translation>
    </message>
    <message>
        <source>bias current high</source>
        <translation>ток смещения высокий</translation>
    </message>
    <message>
        <source>bias current low</source>
        <translation>ток смещения низкий</translation>
    </message>
    <message>
        <source>TX power high</source>
        <translation>мощность Tx высокая</translation>
    </message>
    <message>
        <source>TX power low</source>
        <translation>мощность Tx низкая</translation>
    </message>
    <message>
        <source>RX power high</source>
        <translation>мощность Rx высокая</translation>
    </message>
    <message>
        <source>RX power low</source>
        <translation>мощность Rx низкая</translation>
    </message>
    <message>
        <source>laser temperature high</source>
        <translation>температура лазера высокая</translation>
    </message>
    <message>
        <source>laser temperature low</source>
        <translation>температура лазера низкая</translation>
    </message>
    <message>
        <source>TEC current high</source>
        <translation>ток TEC высокий</translation>
    </message>
    <message>
        <source>TEC current low</source>
        <translation>ток TEC низкий</translation>
    </message>
    <message>
        <source>GBIC not specified or not MOD_DEF compliant</source>
        <translation>GBIC не указан или не соответствует MOD_DEF</translation>
    </message>
    <message>
        <source>Defined by the two-wire interface ID only</source>
        <translation>Определяется только по ID двухпроводного интерфейса</translation>
    </message>
    <message>
        <source>GBIC compliant with MOD_DEF %1</source>
        <translation>GBIC, соответствует MOD_DEF %1</translation>
    </message>
    <message>
        <source>average RX power</source>
        <translation>средняя мощность Rx</translation>
    </message>
    <message>
        <source>RX power as OMA</source>
        <translation>мощность Rx как OMA</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Bits without a meaning are set: %1</source>
        <translation>Установлены неопределённые биты: %1</translation>
    </message>
    <message>
        <source>The code is not defined</source>
        <translation>Код не определён</translation>
    </message>
    <message>
        <source>not specified</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>Padded with NULs instead of spaces</source>
        <translation>Дополнено нулями (NUL) вместо пробелов</translation>
    </message>
    <message>
        <source>Holds bytes outside printable ASCII</source>
        <translation>Содержит байты вне печатного ASCII</translation>
    </message>
    <message>
        <source>km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>copper or active cable</source>
        <translation>медный или активный кабель</translation>
    </message>
    <message>
        <source>or more</source>
        <translation>или больше</translation>
    </message>
    <message>
        <source>Cable length, additional</source>
        <translation>Длина кабеля, дополнительно</translation>
    </message>
    <message>
        <source>Copper cable attenuation at 12.9 GHz</source>
        <translation>Затухание медного кабеля на 12,9 ГГц</translation>
    </message>
    <message>
        <source>Copper cable attenuation at 25.78 GHz</source>
        <translation>Затухание медного кабеля на 25,78 ГГц</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>дБ</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>медь</translation>
    </message>
    <message>
        <source>not used: the module has no digital diagnostics</source>
        <translation>не используется: у модуля нет цифровой диагностики</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>недопустимо</translation>
    </message>
    <message>
        <source>Not a number: the calibration constants are not finite</source>
        <translation>Не число: константы калибровки не являются конечными числами</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>вне диапазона</translation>
    </message>
    <message>
        <source>Outside the range of the quantity, %1 to %2 %3: the calibration constants are wrong</source>
        <translation>Вне диапазона величины, от %1 до %2 %3: константы калибровки неверны</translation>
    </message>
    <message>
        <source>average</source>
        <translation>средняя</translation>
    </message>
    <message>
        <source>Above the high alarm threshold</source>
        <translation>Выше верхнего аварийного порога</translation>
    </message>
    <message>
        <source>Below the low alarm threshold</source>
        <translation>Ниже нижнего аварийного порога</translation>
    </message>
    <message>
        <source>Above the high warning threshold</source>
        <translation>Выше верхнего порога предупреждения</translation>
    </message>
    <message>
        <source>Below the low warning threshold</source>
        <translation>Ниже нижнего порога предупреждения</translation>
    </message>
    <message>
        <source>all zero</source>
        <translation>все нули</translation>
    </message>
    <message>
        <source>all FFh</source>
        <translation>все FFh</translation>
    </message>
    <message>
        <source>vendor data</source>
        <translation>данные производителя</translation>
    </message>
    <message>
        <source>not checked: the bytes it covers are missing</source>
        <translation>не проверена: нет байтов, которые она покрывает</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>верна</translation>
    </message>
    <message>
        <source>Should be %1</source>
        <translation>Должна быть %1</translation>
    </message>
    <message>
        <source>not used: the module is internally calibrated</source>
        <translation>не используется: у модуля внутренняя калибровка</translation>
    </message>
    <message>
        <source>no digital diagnostics</source>
        <translation>без цифровой диагностики</translation>
    </message>
    <message>
        <source>Both internal and external calibration are set</source>
        <translation>Указаны и внутренняя, и внешняя калибровка</translation>
    </message>
    <message>
        <source>The module reports alarms</source>
        <translation>Модуль сообщает об авариях</translation>
    </message>
    <message>
        <source>The module reports warnings</source>
        <translation>Модуль сообщает о предупреждениях</translation>
    </message>
    <message>
        <source>MBd</source>
        <translation>МБод</translation>
    </message>
    <message>
        <source>from byte 66</source>
        <translation>из байта 66</translation>
    </message>
    <message>
        <source>above 25.4 GBd</source>
        <translation>выше 25,4 ГБод</translation>
    </message>
    <message>
        <source>Nominal signalling rate, 250 MBd units</source>
        <translation>Номинальная скорость, в единицах 250 МБод</translation>
    </message>
    <message>
        <source>Signalling rate range</source>
        <translation>Допуск скорости</translation>
    </message>
    <message>
        <source>Active cable compliance</source>
        <translation>Соответствие активного кабеля</translation>
    </message>
    <message>
        <source>Passive cable compliance</source>
        <translation>Соответствие пассивного кабеля</translation>
    </message>
    <message>
        <source>nm</source>
        <translation>нм</translation>
    </message>
    <message>
        <source>lot %1</source>
        <translation>партия %1</translation>
    </message>
    <message>
        <source>Not a date</source>
        <translation>Это не дата</translation>
    </message>
    <message>
        <source>Not a finite number</source>
        <translation>Не конечное число</translation>
    </message>
    <message>
        <source>%1 bytes %2-%3</source>
        <translation>%1, байты %2-%3</translation>
    </message>
    <message>
        <source>A0h byte 92 is missing: the diagnostics are shown as internally calibrated</source>
        <translation>Нет байта 92 из A0h: диагностика показана как с внутренней калибровкой</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Идентификация</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Compliance</source>
        <translation>Соответствие стандартам</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Check codes</source>
        <translation>Контрольные суммы</translation>
    </message>
    <message>
        <source>Vendor area</source>
        <translation>Область производителя</translation>
    </message>
    <message>
        <source>Thresholds</source>
        <translation>Пороги</translation>
    </message>
    <message>
        <source>External calibration</source>
        <translation>Внешняя калибровка</translation>
    </message>
    <message>
        <source>Real-time values</source>
        <translation>Текущие значения</translation>
    </message>
    <message>
        <source>Status and flags</source>
        <translation>Состояние и флаги</translation>
    </message>
    <message>
        <source>User area</source>
        <translation>Пользовательская область</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Supply voltage</source>
        <translation>Напряжение питания</translation>
    </message>
    <message>
        <source>Laser bias current</source>
        <translation>Ток смещения лазера</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>Мощность Tx</translation>
    </message>
    <message>
        <source>RX power</source>
        <translation>Мощность Rx</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>мА</translation>
    </message>
    <message>
        <source>mW</source>
        <translation>мВт</translation>
    </message>
    <message>
        <source>no light</source>
        <translation>нет света</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>дБм</translation>
    </message>
    <message>
        <source>high alarm threshold</source>
        <translation>верхний аварийный порог</translation>
    </message>
    <message>
        <source>low alarm threshold</source>
        <translation>нижний аварийный порог</translation>
    </message>
    <message>
        <source>high warning threshold</source>
        <translation>верхний порог предупреждения</translation>
    </message>
    <message>
        <source>low warning threshold</source>
        <translation>нижний порог предупреждения</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Extended identifier</source>
        <translation>Расширенный идентификатор</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Разъём</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Кодирование</translation>
    </message>
    <message>
        <source>Nominal signalling rate</source>
        <translation>Номинальная скорость</translation>
    </message>
    <message>
        <source>Rate identifier</source>
        <translation>Идентификатор скорости</translation>
    </message>
    <message>
        <source>Upper signalling rate margin</source>
        <translation>Допуск скорости вверх</translation>
    </message>
    <message>
        <source>Lower signalling rate margin</source>
        <translation>Допуск скорости вниз</translation>
    </message>
    <message>
        <source>Vendor name</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Vendor OUI</source>
        <translation>OUI производителя</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Партномер</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Ревизия</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Date code</source>
        <translation>Дата изготовления</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Длина волны</translation>
    </message>
    <message>
        <source>Length, single-mode fibre (km)</source>
        <translation>Дальность, одномодовое волокно (км)</translation>
    </message>
    <message>
        <source>Length, single-mode fibre (100 m)</source>
        <translation>Дальность, одномодовое волокно (по 100 м)</translation>
    </message>
    <message>
        <source>Length, OM2 50 um</source>
        <translation>Дальность, OM2 50 мкм</translation>
    </message>
    <message>
        <source>Length, OM1 62.5 um</source>
        <translation>Дальность, OM1 62,5 мкм</translation>
    </message>
    <message>
        <source>Length, OM4 or copper cable</source>
        <translation>Дальность, OM4 или медный кабель</translation>
    </message>
    <message>
        <source>Length, OM3 50 um</source>
        <translation>Дальность, OM3 50 мкм</translation>
    </message>
    <message>
        <source>10G Ethernet and InfiniBand compliance</source>
        <translation>Совместимость: 10G Ethernet и InfiniBand</translation>
    </message>
    <message>
        <source>ESCON and SONET compliance</source>
        <translation>Совместимость: ESCON и SONET</translation>
    </message>
    <message>
        <source>SONET compliance</source>
        <translation>Совместимость: SONET</translation>
    </message>
    <message>
        <source>Ethernet compliance</source>
        <translation>Совместимость: Ethernet</translation>
    </message>
    <message>
        <source>Fibre Channel link length and technology</source>
        <translation>Fibre Channel: дальность и технология</translation>
    </message>
    <message>
        <source>Fibre Channel technology and SFP+ cable</source>
        <translation>Fibre Channel: технология и кабель SFP+</translation>
    </message>
    <message>
        <source>Fibre Channel transmission media</source>
        <translation>Fibre Channel: среда передачи</translation>
    </message>
    <message>
        <source>Fibre Channel speed</source>
        <translation>Fibre Channel: скорость</translation>
    </message>
    <message>
        <source>Extended compliance</source>
        <translation>Расширенная совместимость</translation>
    </message>
    <message>
        <source>Fibre Channel speed 2</source>
        <translation>Fibre Channel: скорость 2</translation>
    </message>
    <message>
        <source>SFF-8472 compliance</source>
        <translation>Версия SFF-8472</translation>
    </message>
    <message>
        <source>Diagnostic monitoring type</source>
        <translation>Тип диагностики</translation>
    </message>
    <message>
        <source>Enhanced options</source>
        <translation>Расширенные опции</translation>
    </message>
    <message>
        <source>Vendor specific</source>
        <translation>Область производителя</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Зарезервировано</translation>
    </message>
    <message>
        <source>Laser temperature and TEC current thresholds</source>
        <translation>Пороги температуры лазера и тока TEC</translation>
    </message>
    <message>
        <source>Unallocated</source>
        <translation>Не распределено</translation>
    </message>
    <message>
        <source>Laser temperature and TEC current</source>
        <translation>Температура лазера и ток TEC</translation>
    </message>
    <message>
        <source>Status and control</source>
        <translation>Состояние и управление</translation>
    </message>
    <message>
        <source>Alarm flags</source>
        <translation>Флаги аварий</translation>
    </message>
    <message>
        <source>Input equalization and output emphasis control</source>
        <translation>Управление эквалайзером входа и предыскажением выхода</translation>
    </message>
    <message>
        <source>Warning flags</source>
        <translation>Флаги предупреждений</translation>
    </message>
    <message>
        <source>Extended module control and status</source>
        <translation>Расширенное управление и состояние модуля</translation>
    </message>
    <message>
        <source>Password entry</source>
        <translation>Ввод пароля</translation>
    </message>
    <message>
        <source>Page select</source>
        <translation>Выбор страницы</translation>
    </message>
    <message>
        <source>User EEPROM</source>
        <translation>Пользовательская EEPROM</translation>
    </message>
    <message>
        <source>Vendor control functions</source>
        <translation>Управляющие функции производителя</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is padded with NULs instead of spaces: hosts may show it cut short.</source>
        <translation>Поле «%1» дополнено нулями (NUL) вместо пробелов: коммутатор может показать его обрезанным.</translation>
    </message>
    <message>
        <source>Pad with spaces</source>
        <translation>Дополнить пробелами</translation>
    </message>
    <message>
        <source>CC_BASE is %1 but should be %2: the Linux sfp driver refuses the module.</source>
        <translation>CC_BASE равна %1, а должна быть %2: драйвер sfp в Linux не примет модуль.</translation>
    </message>
    <message>
        <source>Recompute CC_BASE</source>
        <translation>Пересчитать CC_BASE</translation>
    </message>
    <message>
        <source>CC_EXT is %1 but should be %2: hosts ignore bytes 64-95 (options, serial number, date code, diagnostics).</source>
        <translation>CC_EXT равна %1, а должна быть %2: коммутаторы игнорируют байты 64-95 (опции, серийный номер, дату, диагностику).</translation>
    </message>
    <message>
        <source>Recompute CC_EXT</source>
        <translation>Пересчитать CC_EXT</translation>
    </message>
    <message>
        <source>CC_DMI is %1 but should be %2: hosts distrust the diagnostics thresholds and calibration.</source>
        <translation>CC_DMI равна %1, а должна быть %2: коммутаторы не доверяют порогам и калибровке диагностики.</translation>
    </message>
    <message>
        <source>Recompute CC_DMI</source>
        <translation>Пересчитать CC_DMI</translation>
    </message>
    <message>
        <source>The identifier is %1, not SFP (03h): a host that expects an SFP refuses the module.</source>
        <translation>Идентификатор %1, а не SFP (03h): коммутатор, ожидающий SFP, не примет модуль.</translation>
    </message>
    <message>
        <source>The extended identifier is %1, not 04h: hosts may not read the module&apos;s identification.</source>
        <translation>Расширенный идентификатор %1, а не 04h: коммутатор может не прочитать идентификацию модуля.</translation>
    </message>
    <message>
        <source>Byte 92 says an address change is required: most hosts then ignore A2h and show no diagnostics.</source>
        <translation>Байт 92 требует смены адреса: большинство коммутаторов тогда игнорирует A2h и не показывает диагностику.</translation>
    </message>
    <message>
        <source>The lot code</source>
        <translation>Код партии</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>SFP (SFF-8472)</source>
        <translation>SFP (SFF-8472)</translation>
    </message>
    <message>
        <source>QSFP (SFF-8636)</source>
        <translation>QSFP (SFF-8636)</translation>
    </message>
    <message>
        <source>CMIS</source>
        <translation>CMIS</translation>
    </message>
    <message>
        <source>Lower page</source>
        <translation>Нижняя страница</translation>
    </message>
    <message>
        <source>A0 High</source>
        <translation>A0 Верхняя</translation>
    </message>
    <message>
        <source>A0 Low</source>
        <translation>A0 Нижняя</translation>
    </message>
    <message>
        <source>A2 High</source>
        <translation>A2 Верхняя</translation>
    </message>
    <message>
        <source>A2 Low</source>
        <translation>A2 Нижняя</translation>
    </message>
    <message>
        <source>A2 Page %1h</source>
        <translation>A2 Страница %1h</translation>
    </message>
    <message>
        <source>Bank %1 Page %2h</source>
        <translation>Банк %1 Страница %2h</translation>
    </message>
    <message>
        <source>Page %1h</source>
        <translation>Страница %1h</translation>
    </message>
    <message>
        <source>Tuning capabilities</source>
        <translation>Возможности настройки</translation>
    </message>
    <message>
        <source>First frequency</source>
        <translation>Первая частота</translation>
    </message>
    <message>
        <source>Last frequency</source>
        <translation>Последняя частота</translation>
    </message>
    <message>
        <source>Grid spacing</source>
        <translation>Шаг сетки</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Wavelength set</source>
        <translation>Заданная длина волны</translation>
    </message>
    <message>
        <source>Transmitter dither</source>
        <translation>Модуляция (dither) передатчика</translation>
    </message>
    <message>
        <source>Frequency error</source>
        <translation>Ошибка частоты</translation>
    </message>
    <message>
        <source>Wavelength error</source>
        <translation>Ошибка длины волны</translation>
    </message>
    <message>
        <source>Tuning status</source>
        <translation>Состояние настройки</translation>
    </message>
    <message>
        <source>Latched tuning status</source>
        <translation>Защёлкнутое состояние настройки</translation>
    </message>
    <message>
        <source>Vendor page</source>
        <translation>Страница производителя</translation>
    </message>
    <message>
        <source>%1 bytes is no layout of a %2 module (byte 0 is %3h): such a module is kept in 256 bytes (the lower page and page 00h)%4</source>
        <translation>%1 байт — это не формат модуля %2 (байт 0 равен %3h): такой модуль хранится в 256 байтах (нижняя страница и страница 00h)%4</translation>
    </message>
    <message>
        <source>, in 640 (then pages 01h, 02h and 03h)</source>
        <translation>, в 640 (затем страницы 01h, 02h и 03h)</translation>
    </message>
    <message>
        <source>TEC fault</source>
        <translation>отказ термоэлектрического охладителя</translation>
    </message>
    <message>
        <source>wavelength unlocked</source>
        <translation>длина волны не захвачена</translation>
    </message>
    <message>
        <source>tuning</source>
        <translation>идёт настройка</translation>
    </message>
    <message>
        <source>bad channel</source>
        <translation>неверный канал</translation>
    </message>
    <message>
        <source>new channel</source>
        <translation>новый канал</translation>
    </message>
    <message>
        <source>dither not supported</source>
        <translation>модуляция не поддерживается</translation>
    </message>
    <message>
        <source>by channel</source>
        <translation>по каналу</translation>
    </message>
    <message>
        <source>by wavelength</source>
        <translation>по длине волны</translation>
    </message>
    <message>
        <source>self-tuning</source>
        <translation>самонастройка</translation>
    </message>
    <message>
        <source>transmitter dither</source>
        <translation>модуляция передатчика</translation>
    </message>
    <message>
        <source>A0h byte 65 does not announce a tunable transmitter</source>
        <translation>Байт 65 A0h не объявляет перестраиваемый передатчик</translation>
    </message>
    <message>
        <source>THz</source>
        <translation>ТГц</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>каналов: %1</translation>
    </message>
    <message>
        <source>Not a channel of the module&apos;s range (1 to %1)</source>
        <translation>Не канал из диапазона модуля (от 1 до %1)</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>The laser&apos;s temperature control has failed</source>
        <translation>Отказ регулирования температуры лазера</translation>
    </message>
    <message>
        <source>The module refused a channel or wavelength out of its range</source>
        <translation>Модуль отклонил канал или длину волны вне своего диапазона</translation>
    </message>
    <message>
        <source>The wavelength is not locked</source>
        <translation>Длина волны не захвачена</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>%1, lane %2</source>
        <translation>%1, линия %2</translation>
    </message>
    <message>
        <source>Not specified</source>
        <translation>Не указано</translation>
    </message>
    <message>
        <source>SFF-8436 Rev 4.8, bytes 186-189 excepted</source>
        <translation>SFF-8436 ред. 4.8, кроме байтов 186-189</translation>
    </message>
    <message>
        <source>SONET scrambled</source>
        <translation>SONET со скремблированием</translation>
    </message>
    <message>
        <source>256B/257B (transcoded FEC)</source>
        <translation>256B/257B (перекодирование с FEC)</translation>
    </message>
    <message>
        <source>Other or undefined</source>
        <translation>Другая или не определена</translation>
    </message>
    <message>
        <source>Copper cable, unequalized</source>
        <translation>Медный кабель без выравнивания</translation>
    </message>
    <message>
        <source>Copper cable, passive equalized</source>
        <translation>Медный кабель с пассивным выравниванием</translation>
    </message>
    <message>
        <source>Copper cable, near and far end limiting active equalizers</source>
        <translation>Медный кабель, активные ограничивающие эквалайзеры на ближнем и дальнем концах</translation>
    </message>
    <message>
        <source>Copper cable, far end limiting active equalizers</source>
        <translation>Медный кабель, активные ограничивающие эквалайзеры на дальнем конце</translation>
    </message>
    <message>
        <source>Copper cable, near end limiting active equalizers</source>
        <translation>Медный кабель, активные ограничивающие эквалайзеры на ближнем конце</translation>
    </message>
    <message>
        <source>Copper cable, linear active equalizers</source>
        <translation>Медный кабель, линейные активные эквалайзеры</translation>
    </message>
    <message>
        <source>extended compliance (byte 192)</source>
        <translation>расширенное соответствие (байт 192)</translation>
    </message>
    <message>
        <source>FC speed in byte 192</source>
        <translation>скорость FC в байте 192</translation>
    </message>
    <message>
        <source>active wavelength control</source>
        <translation>активное управление длиной волны</translation>
    </message>
    <message>
        <source>cooled transmitter</source>
        <translation>охлаждаемый передатчик</translation>
    </message>
    <message>
        <source>APD detector</source>
        <translation>фотодетектор APD</translation>
    </message>
    <message>
        <source>LPMode/TxDis input configurable</source>
        <translation>настраиваемый вход LPMode/TxDis</translation>
    </message>
    <message>
        <source>IntL/RxLOSL output configurable</source>
        <translation>настраиваемый выход IntL/RxLOSL</translation>
    </message>
    <message>
        <source>TX input adaptive equalizer freeze</source>
        <translation>фиксация адаптивного эквалайзера входа TX</translation>
    </message>
    <message>
        <source>TX input equalizer auto-adaptive</source>
        <translation>самонастраивающийся эквалайзер входа TX</translation>
    </message>
    <message>
        <source>TX input equalizer programmable</source>
        <translation>программируемый эквалайзер входа TX</translation>
    </message>
    <message>
        <source>RX output emphasis programmable</source>
        <translation>программируемые предыскажения выхода RX</translation>
    </message>
    <message>
        <source>RX output amplitude programmable</source>
        <translation>программируемая амплитуда выхода RX</translation>
    </message>
    <message>
        <source>TX CDR control</source>
        <translation>управление CDR TX</translation>
    </message>
    <message>
        <source>RX CDR control</source>
        <translation>управление CDR RX</translation>
    </message>
    <message>
        <source>TX CDR loss of lock flag</source>
        <translation>флаг потери синхронизации CDR TX</translation>
    </message>
    <message>
        <source>RX CDR loss of lock flag</source>
        <translation>флаг потери синхронизации CDR RX</translation>
    </message>
    <message>
        <source>RX squelch disable</source>
        <translation>отключение подавления RX</translation>
    </message>
    <message>
        <source>RX output disable</source>
        <translation>отключение выхода RX</translation>
    </message>
    <message>
        <source>TX squelch disable</source>
        <translation>отключение подавления TX</translation>
    </message>
    <message>
        <source>TX squelch</source>
        <translation>подавление TX</translation>
    </message>
    <message>
        <source>page 02h</source>
        <translation>страница 02h</translation>
    </message>
    <message>
        <source>page 01h</source>
        <translation>страница 01h</translation>
    </message>
    <message>
        <source>TX squelch reduces average power</source>
        <translation>подавление TX снижает среднюю мощность</translation>
    </message>
    <message>
        <source>pages 20h-21h</source>
        <translation>страницы 20h-21h</translation>
    </message>
    <message>
        <source>temperature monitored</source>
        <translation>контроль температуры</translation>
    </message>
    <message>
        <source>supply voltage monitored</source>
        <translation>контроль напряжения питания</translation>
    </message>
    <message>
        <source>TX power monitored</source>
        <translation>контроль мощности TX</translation>
    </message>
    <message>
        <source>initialization complete flag</source>
        <translation>флаг завершения инициализации</translation>
    </message>
    <message>
        <source>rate selection declared</source>
        <translation>выбор скорости объявлен</translation>
    </message>
    <message>
        <source>application select table</source>
        <translation>таблица выбора применения</translation>
    </message>
    <message>
        <source>TC readiness flag</source>
        <translation>флаг готовности TC</translation>
    </message>
    <message>
        <source>flat memory</source>
        <translation>плоская память</translation>
    </message>
    <message>
        <source>IntL asserted</source>
        <translation>IntL активен</translation>
    </message>
    <message>
        <source>TX4 adaptive equalizer fault</source>
        <translation>сбой адаптивного эквалайзера TX4</translation>
    </message>
    <message>
        <source>TX3 adaptive equalizer fault</source>
        <translation>сбой адаптивного эквалайзера TX3</translation>
    </message>
    <message>
        <source>TX2 adaptive equalizer fault</source>
        <translation>сбой адаптивного эквалайзера TX2</translation>
    </message>
    <message>
        <source>TX1 adaptive equalizer fault</source>
        <translation>сбой адаптивного эквалайзера TX1</translation>
    </message>
    <message>
        <source>TX4 CDR loss of lock</source>
        <translation>потеря синхронизации CDR TX4</translation>
    </message>
    <message>
        <source>TX3 CDR loss of lock</source>
        <translation>потеря синхронизации CDR TX3</translation>
    </message>
    <message>
        <source>TX2 CDR loss of lock</source>
        <translation>потеря синхронизации CDR TX2</translation>
    </message>
    <message>
        <source>TX1 CDR loss of lock</source>
        <translation>потеря синхронизации CDR TX1</translation>
    </message>
    <message>
        <source>RX4 CDR loss of lock</source>
        <translation>потеря синхронизации CDR RX4</translation>
    </message>
    <message>
        <source>RX3 CDR loss of lock</source>
        <translation>потеря синхронизации CDR RX3</translation>
    </message>
    <message>
        <source>RX2 CDR loss of lock</source>
        <translation>потеря синхронизации CDR RX2</translation>
    </message>
    <message>
        <source>RX1 CDR loss of lock</source>
        <translation>потеря синхронизации CDR RX1</translation>
    </message>
    <message>
        <source>high alarm</source>
        <translation>верхняя авария</translation>
    </message>
    <message>
        <source>low alarm</source>
        <translation>нижняя авария</translation>
    </message>
    <message>
        <source>high warning</source>
        <translation>верхнее предупреждение</translation>
    </message>
    <message>
        <source>low warning</source>
        <translation>нижнее предупреждение</translation>
    </message>
    <message>
        <source>power class %1</source>
        <translation>класс мощности %1</translation>
    </message>
    <message>
        <source>CLEI code in page 02h</source>
        <translation>код CLEI на странице 02h</translation>
    </message>
    <message>
        <source>CDR in TX</source>
        <translation>CDR в TX</translation>
    </message>
    <message>
        <source>CDR in RX</source>
        <translation>CDR в RX</translation>
    </message>
    <message>
        <source>PIN detector</source>
        <translation>фотодетектор PIN</translation>
    </message>
    <message>
        <source>initialization complete</source>
        <translation>инициализация завершена</translation>
    </message>
    <message>
        <source>TC ready</source>
        <translation>TC готов</translation>
    </message>
    <message>
        <source>lane %1 %2</source>
        <translation>линия %1: %2</translation>
    </message>
    <message>
        <source>Revision compliance</source>
        <translation>Соответствие редакции</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Loss of signal</source>
        <translation>Потеря сигнала</translation>
    </message>
    <message>
        <source>Transmitter faults</source>
        <translation>Сбои передатчика</translation>
    </message>
    <message>
        <source>CDR loss of lock</source>
        <translation>Потеря синхронизации CDR</translation>
    </message>
    <message>
        <source>Temperature flags</source>
        <translation>Флаги температуры</translation>
    </message>
    <message>
        <source>Supply voltage flags</source>
        <translation>Флаги напряжения питания</translation>
    </message>
    <message>
        <source>RX power flags</source>
        <translation>Флаги мощности RX</translation>
    </message>
    <message>
        <source>Laser bias current flags</source>
        <translation>Флаги тока смещения лазера</translation>
    </message>
    <message>
        <source>TX power flags</source>
        <translation>Флаги мощности TX</translation>
    </message>
    <message>
        <source>TX disable</source>
        <translation>Отключение TX</translation>
    </message>
    <message>
        <source>RX rate select</source>
        <translation>Выбор скорости RX</translation>
    </message>
    <message>
        <source>TX rate select</source>
        <translation>Выбор скорости TX</translation>
    </message>
    <message>
        <source>RX application select</source>
        <translation>Выбор применения RX</translation>
    </message>
    <message>
        <source>Power control</source>
        <translation>Управление питанием</translation>
    </message>
    <message>
        <source>TX application select</source>
        <translation>Выбор применения TX</translation>
    </message>
    <message>
        <source>CDR control</source>
        <translation>Управление CDR</translation>
    </message>
    <message>
        <source>LPMode and TX disable signals</source>
        <translation>Сигналы LPMode и отключения TX</translation>
    </message>
    <message>
        <source>Interrupt masks</source>
        <translation>Маски прерываний</translation>
    </message>
    <message>
        <source>Password change</source>
        <translation>Смена пароля</translation>
    </message>
    <message>
        <source>Identifier (page 00h)</source>
        <translation>Идентификатор (страница 00h)</translation>
    </message>
    <message>
        <source>Device technology</source>
        <translation>Технология устройства</translation>
    </message>
    <message>
        <source>Wavelength tolerance</source>
        <translation>Допуск длины волны</translation>
    </message>
    <message>
        <source>Maximum case temperature</source>
        <translation>Максимальная температура корпуса</translation>
    </message>
    <message>
        <source>10/40G Ethernet compliance</source>
        <translation>Соответствие 10/40G Ethernet</translation>
    </message>
    <message>
        <source>SAS/SATA compliance</source>
        <translation>Соответствие SAS/SATA</translation>
    </message>
    <message>
        <source>Gigabit Ethernet compliance</source>
        <translation>Соответствие Gigabit Ethernet</translation>
    </message>
    <message>
        <source>Fibre Channel transmitter technology</source>
        <translation>Технология передатчика Fibre Channel</translation>
    </message>
    <message>
        <source>InfiniBand compliance</source>
        <translation>Соответствие InfiniBand</translation>
    </message>
    <message>
        <source>Application select table</source>
        <translation>Таблица выбора применения</translation>
    </message>
    <message>
        <source>Vendor specific thresholds</source>
        <translation>Пороги производителя</translation>
    </message>
    <message>
        <source>Lane equalizers, emphasis and amplitude</source>
        <translation>Эквалайзеры, предыскажения и амплитуда линий</translation>
    </message>
    <message>
        <source>Lane flag masks</source>
        <translation>Маски флагов линий</translation>
    </message>
    <message>
        <source>Length, copper or active cable</source>
        <translation>Длина, медный или активный кабель</translation>
    </message>
    <message>
        <source>Length, OM4 50 um</source>
        <translation>Длина, OM4 50 мкм</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>дБ</translation>
    </message>
    <message>
        <source>TX%1 disabled</source>
        <translation>TX%1 отключён</translation>
    </message>
    <message>
        <source>power override</source>
        <translation>переопределение питания</translation>
    </message>
    <message>
        <source>low power set</source>
        <translation>задан режим низкого потребления</translation>
    </message>
    <message>
        <source>power classes 5-7 enabled</source>
        <translation>классы мощности 5-7 разрешены</translation>
    </message>
    <message>
        <source>power class 8 enabled</source>
        <translation>класс мощности 8 разрешён</translation>
    </message>
    <message>
        <source>software reset</source>
        <translation>программный сброс</translation>
    </message>
    <message>
        <source>TX%1 CDR on</source>
        <translation>CDR TX%1 включён</translation>
    </message>
    <message>
        <source>RX%1 CDR on</source>
        <translation>CDR RX%1 включён</translation>
    </message>
    <message>
        <source>The module&apos;s monitors are not ready yet</source>
        <translation>Измерения модуля ещё не готовы</translation>
    </message>
    <message>
        <source>The module reports trouble on its lanes</source>
        <translation>Модуль сообщает о неполадках на линиях</translation>
    </message>
    <message>
        <source>from byte 222</source>
        <translation>из байта 222</translation>
    </message>
    <message>
        <source>not used: byte 140 gives the rate</source>
        <translation>не используется: скорость задаёт байт 140</translation>
    </message>
    <message>
        <source>no extended rate select</source>
        <translation>нет расширенного выбора скорости</translation>
    </message>
    <message>
        <source>extended rate select, version %1</source>
        <translation>расширенный выбор скорости, версия %1</translation>
    </message>
    <message>
        <source>Attenuation at 2.5 and 5.0 GHz</source>
        <translation>Затухание на 2,5 и 5,0 ГГц</translation>
    </message>
    <message>
        <source>Attenuation at 7.0 and 12.9 GHz</source>
        <translation>Затухание на 7,0 и 12,9 ГГц</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>по умолчанию</translation>
    </message>
    <message>
        <source>%1 is not in the image</source>
        <translation>%1 нет в образе</translation>
    </message>
    <message>
        <source>CC_BASE is %1 but should be %2: hosts may refuse the module or ignore its identification.</source>
        <translation>CC_BASE равен %1, а должен быть %2: хосты могут отвергнуть модуль или не учитывать его идентификацию.</translation>
    </message>
    <message>
        <source>CC_EXT is %1 but should be %2: hosts ignore bytes 192-222 (options, serial number, date code, diagnostic type).</source>
        <translation>CC_EXT равен %1, а должен быть %2: хосты не учитывают байты 192-222 (параметры, серийный номер, дату изготовления, тип диагностики).</translation>
    </message>
    <message>
        <source>Byte 0 says %1 but page 00h byte 128 says %2: hosts read either.</source>
        <translation>Байт 0 сообщает %1, а байт 128 страницы 00h — %2: хосты читают любой из них.</translation>
    </message>
    <message>
        <source>RX power (average)</source>
        <translation>Мощность RX (средняя)</translation>
    </message>
    <message>
        <source>RX power (OMA)</source>
        <translation>Мощность RX (OMA)</translation>
    </message>
    <message>
        <source>Copper cable</source>
        <translation>Медный кабель</translation>
    </message>
    <message>
        <source>Active cable assembly, BER below 1e-12</source>
        <translation>Активная кабельная сборка, BER ниже 1e-12</translation>
    </message>
    <message>
        <source>Active cable assembly, BER below 5e-5</source>
        <translation>Активная кабельная сборка, BER ниже 5e-5</translation>
    </message>
    <message>
        <source>Active cable assembly, BER below 2.6e-4</source>
        <translation>Активная кабельная сборка, BER ниже 2.6e-4</translation>
    </message>
    <message>
        <source>Active cable assembly, BER below 1e-6</source>
        <translation>Активная кабельная сборка, BER ниже 1e-6</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Не определено</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Код %1</translation>
    </message>
    <message>
        <source>ModuleLowPwr</source>
        <translation>ModuleLowPwr</translation>
    </message>
    <message>
        <source>ModulePwrUp</source>
        <translation>ModulePwrUp</translation>
    </message>
    <message>
        <source>ModuleReady</source>
        <translation>ModuleReady</translation>
    </message>
    <message>
        <source>ModulePwrDn</source>
        <translation>ModulePwrDn</translation>
    </message>
    <message>
        <source>ModuleFault</source>
        <translation>ModuleFault</translation>
    </message>
    <message>
        <source>low power: the management interface works, the data paths are off</source>
        <translation>низкое потребление: интерфейс управления работает, тракты данных выключены</translation>
    </message>
    <message>
        <source>powering up to high power</source>
        <translation>переход к высокому потреблению</translation>
    </message>
    <message>
        <source>ready: high power, data paths may be set up</source>
        <translation>готов: высокое потребление, тракты данных можно настраивать</translation>
    </message>
    <message>
        <source>powering down to low power</source>
        <translation>переход к низкому потреблению</translation>
    </message>
    <message>
        <source>a fault: the module has shut itself down</source>
        <translation>неисправность: модуль отключился сам</translation>
    </message>
    <message>
        <source>Optical, multimode fibre</source>
        <translation>Оптика, многомодовое волокно</translation>
    </message>
    <message>
        <source>Optical, single-mode fibre</source>
        <translation>Оптика, одномодовое волокно</translation>
    </message>
    <message>
        <source>Passive copper cable</source>
        <translation>Пассивный медный кабель</translation>
    </message>
    <message>
        <source>Active cable</source>
        <translation>Активный кабель</translation>
    </message>
    <message>
        <source>End of list</source>
        <translation>Конец списка</translation>
    </message>
    <message>
        <source>Memory model</source>
        <translation>Модель памяти</translation>
    </message>
    <message>
        <source>Module state</source>
        <translation>Состояние модуля</translation>
    </message>
    <message>
        <source>Temperature and supply flags</source>
        <translation>Флаги температуры и питания</translation>
    </message>
    <message>
        <source>Module controls and flag masks</source>
        <translation>Управление модулем и маски флагов</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Тип среды</translation>
    </message>
    <message>
        <source>Bank select</source>
        <translation>Выбор банка</translation>
    </message>
    <message>
        <source>Power class</source>
        <translation>Класс мощности</translation>
    </message>
    <message>
        <source>Maximum power</source>
        <translation>Максимальная мощность</translation>
    </message>
    <message>
        <source>Media interface technology</source>
        <translation>Технология интерфейса среды</translation>
    </message>
    <message>
        <source>CLEI code</source>
        <translation>Код CLEI</translation>
    </message>
    <message>
        <source>Cable assembly length</source>
        <translation>Длина кабельной сборки</translation>
    </message>
    <message>
        <source>Media lanes</source>
        <translation>Линии среды</translation>
    </message>
    <message>
        <source>Copper cable attenuation</source>
        <translation>Затухание медного кабеля</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>Hardware version</source>
        <translation>Версия аппаратуры</translation>
    </message>
    <message>
        <source>Nominal wavelength</source>
        <translation>Номинальная длина волны</translation>
    </message>
    <message>
        <source>Length, OM5 50 um</source>
        <translation>Длина, OM5 50 мкм</translation>
    </message>
    <message>
        <source>Media lane assignment</source>
        <translation>Назначение линий среды</translation>
    </message>
    <message>
        <source>Pages and banks</source>
        <translation>Страницы и банки</translation>
    </message>
    <message>
        <source>RX power measurement</source>
        <translation>Измерение мощности RX</translation>
    </message>
    <message>
        <source>Module monitors</source>
        <translation>Контроль модуля</translation>
    </message>
    <message>
        <source>Lane monitors</source>
        <translation>Контроль линий</translation>
    </message>
    <message>
        <source>Lane controls</source>
        <translation>Управление линиями</translation>
    </message>
    <message>
        <source>Data path states</source>
        <translation>Состояния трактов данных</translation>
    </message>
    <message>
        <source>Application %1</source>
        <translation>Приложение %1</translation>
    </message>
    <message>
        <source>end of list</source>
        <translation>конец списка</translation>
    </message>
    <message>
        <source>unused</source>
        <translation>не используется</translation>
    </message>
    <message>
        <source>%1 host lanes, %2 media lanes; host lanes from %3</source>
        <translation>линий хоста: %1, линий среды: %2; линии хоста от %3</translation>
    </message>
    <message>
        <source>, media lanes from %1</source>
        <translation>, линии среды от %1</translation>
    </message>
    <message>
        <source>The application names no lanes</source>
        <translation>Приложение не называет линий</translation>
    </message>
    <message>
        <source>The length multiplier is not defined</source>
        <translation>Множитель длины не определён</translation>
    </message>
    <message>
        <source>flat: page 00h only</source>
        <translation>плоская: только страница 00h</translation>
    </message>
    <message>
        <source>paged</source>
        <translation>страничная</translation>
    </message>
    <message>
        <source>The module reports a fault</source>
        <translation>Модуль сообщает о неисправности</translation>
    </message>
    <message>
        <source>temperature high alarm</source>
        <translation>температура: верхний аварийный порог</translation>
    </message>
    <message>
        <source>temperature low alarm</source>
        <translation>температура: нижний аварийный порог</translation>
    </message>
    <message>
        <source>temperature high warning</source>
        <translation>температура: верхний предупредительный порог</translation>
    </message>
    <message>
        <source>temperature low warning</source>
        <translation>температура: нижний предупредительный порог</translation>
    </message>
    <message>
        <source>supply high alarm</source>
        <translation>питание: верхний аварийный порог</translation>
    </message>
    <message>
        <source>supply low alarm</source>
        <translation>питание: нижний аварийный порог</translation>
    </message>
    <message>
        <source>supply high warning</source>
        <translation>питание: верхний предупредительный порог</translation>
    </message>
    <message>
        <source>supply low warning</source>
        <translation>питание: нижний предупредительный порог</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>separable media</source>
        <translation>съёмная среда</translation>
    </message>
    <message>
        <source>lanes %1 supported</source>
        <translation>поддерживаются линии %1</translation>
    </message>
    <message>
        <source>bank 0</source>
        <translation>банк 0</translation>
    </message>
    <message>
        <source>banks 0-%1</source>
        <translation>банки 0-%1</translation>
    </message>
    <message>
        <source>page 03h</source>
        <translation>страница 03h</translation>
    </message>
    <message>
        <source>pages 13h-14h</source>
        <translation>страницы 13h-14h</translation>
    </message>
    <message>
        <source>The number of banks is not defined</source>
        <translation>Число банков не определено</translation>
    </message>
    <message>
        <source>OMA</source>
        <translation>OMA</translation>
    </message>
    <message>
        <source>every lane %1</source>
        <translation>все линии: %1</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>температура</translation>
    </message>
    <message>
        <source>supply voltage</source>
        <translation>напряжение питания</translation>
    </message>
    <message>
        <source>TX bias</source>
        <translation>ток смещения TX</translation>
    </message>
    <message>
        <source>bias in units of %1 uA</source>
        <translation>смещение в единицах %1 мкА</translation>
    </message>
    <message>
        <source>The check code of page 00h is %1 but should be %2: hosts may refuse the module or ignore its identification.</source>
        <translation>Контрольный код страницы 00h равен %1, а должен быть %2: хосты могут отвергнуть модуль или не принять его идентификацию.</translation>
    </message>
    <message>
        <source>Recompute the check code of page 00h</source>
        <translation>Пересчитать контрольный код страницы 00h</translation>
    </message>
    <message>
        <source>The check code of page 01h is %1 but should be %2: hosts may distrust what the module advertises.</source>
        <translation>Контрольный код страницы 01h равен %1, а должен быть %2: хосты могут не доверять тому, что объявляет модуль.</translation>
    </message>
    <message>
        <source>Recompute the check code of page 01h</source>
        <translation>Пересчитать контрольный код страницы 01h</translation>
    </message>
    <message>
        <source>The check code of page 02h is %1 but should be %2: hosts may distrust the module&apos;s thresholds.</source>
        <translation>Контрольный код страницы 02h равен %1, а должен быть %2: хосты могут не доверять порогам модуля.</translation>
    </message>
    <message>
        <source>Recompute the check code of page 02h</source>
        <translation>Пересчитать контрольный код страницы 02h</translation>
    </message>
    <message>
        <source>QSFP Lower page</source>
        <translation>QSFP Нижняя страница</translation>
    </message>
    <message>
        <source>QSFP Upper page</source>
        <translation>QSFP Верхняя страница</translation>
    </message>
    <message>
        <source>CMIS Lower page</source>
        <translation>CMIS Нижняя страница</translation>
    </message>
    <message>
        <source>CMIS Page</source>
        <translation>CMIS Страница</translation>
    </message>
    <message>
        <source>CMIS Bank and page</source>
        <translation>CMIS Банк и страница</translation>
    </message>
</context>
<context>
    <name>SFPThread</name>
    <message>
        <source>SFP programmer not selected</source>
        <translation>Программатор SFP не выбран</translation>
    </message>
    <message>
        <source>Time %1, Read(%2) from 0x%3
</source>
        <translation>Время %1, Считываем данные(%2) по адресу 0x%3
</translation>
    </message>
    <message>
        <source>i2c: couldn&apos;t select read address</source>
        <translation>i2c: не удалось выбрать адрес для чтения</translation>
    </message>
    <message>
        <source>i2c: couldn&apos;t start reading</source>
        <translation>i2c: не удалось начать чтение</translation>
    </message>
    <message>
        <source>Couldn&apos;t open ftdi with serial number: %1</source>
        <translation>Не могу подключится к прибору с серийным номером %1</translation>
    </message>
    <message>
        <source>Canceled read
</source>
        <translation>Чтение отменено
</translation>
    </message>
    <message>
        <source>Canceled write
</source>
        <translation>Запись отменена
</translation>
    </message>
    <message>
        <source>Canceled verify
</source>
        <translation>Проверка отменена
</translation>
    </message>
    <message>
        <source>Canceled
</source>
        <translation>Отменено
</translation>
    </message>
    <message>
        <source>Timeout read</source>
        <translation>Тайм-аут чтения</translation>
    </message>
    <message>
        <source>Timeout write</source>
        <translation>Тайм-аут записи</translation>
    </message>
    <message>
        <source>Timeout verify</source>
        <translation>Тайм-аут проверки</translation>
    </message>
    <message>
        <source>i2c: couldn&apos;t set SCL</source>
        <translation>i2c: не удалось установить SCL</translation>
    </message>
    <message>
        <source>Nothing written: the table holds %1 bytes, %2 are needed</source>
        <translation>Ничего не записано: размер таблицы %1, а нужно %2 байт</translation>
    </message>
    <message>
        <source>Time %1, Write(%2) to 0x%3%4
</source>
        <translation>Время %1, Записываем данные(%2) по адресу 0x%3%4
</translation>
    </message>
    <message>
        <source>, with password</source>
        <translation>, с паролем</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to: %1</source>
        <translation>Не удалось записать в прибор %1</translation>
    </message>
    <message>
        <source>i2c: the module refused the read address 0x%1</source>
        <translation>i2c: модуль не принял адрес чтения 0x%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open programmer %1: %2</source>
        <translation>Не удалось открыть программатор %1: %2</translation>
    </message>
    <message>
        <source>Programmer transfer failed: %1</source>
        <translation>Ошибка обмена с программатором: %1</translation>
    </message>
    <message>
        <source>Write failed: the module refused byte %1 of the password</source>
        <translation>Ошибка записи: модуль не принял байт %1 пароля</translation>
    </message>
    <message>
        <source>Write failed: the module refused the address of page %1 (0x%2)</source>
        <translation>Ошибка записи: модуль не принял адрес страницы %1 (0x%2)</translation>
    </message>
    <message>
        <source>Write failed: the module refused byte 0x%1 in page %2</source>
        <translation>Ошибка записи: модуль не принял байт 0x%1 в странице %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t select page %1h of device 0x%2</source>
        <translation>Не удалось выбрать страницу %1h устройства 0x%2</translation>
    </message>
    <message>
        <source>The module did not take page %1h: byte %2 of device 0x%3 reads %4h, so it has no such page, or no pages at all; nothing was transferred</source>
        <translation>Модуль не принял страницу %1h: байт %2 устройства 0x%3 читается как %4h, значит, такой страницы у него нет или страниц нет вовсе; ничего не передано</translation>
    </message>
    <message>
        <source>Couldn&apos;t select page %1h of device 0x%2 again</source>
        <translation>Не удалось снова выбрать страницу %1h устройства 0x%2</translation>
    </message>
    <message>
        <source>Time %1, Read(%2) from 0x%3, page %4h
</source>
        <translation>Время %1, Чтение(%2) с 0x%3, страница %4h
</translation>
    </message>
    <message>
        <source>the module acknowledges writes here but keeps nothing: its identification is locked</source>
        <translation>модуль подтверждает запись сюда, но ничего не сохраняет: его идентификация защищена</translation>
    </message>
    <message>
        <source>no password</source>
        <translation>без пароля</translation>
    </message>
    <message>
        <source>No password of the list unlocked the module; tried: %1</source>
        <translation>Ни один пароль из списка не открыл модуль; испробованы: %1</translation>
    </message>
    <message>
        <source>, with password &quot;%1&quot;</source>
        <translation>, с паролем «%1»</translation>
    </message>
    <message>
        <source>The table is read back to check what the module kept.
</source>
        <translation>Таблица считывается обратно, чтобы проверить, что сохранил модуль.
</translation>
    </message>
    <message>
        <source>Write failed: the module holds other bytes than written, the first at 0x%1</source>
        <translation>Ошибка записи: в модуле другие байты, чем записано, первый по адресу 0x%1</translation>
    </message>
    <message>
        <source>This programmer cannot see a module hold the clock low: with such a module the bytes come out shifted.
</source>
        <translation>Этот программатор не видит, что модуль удерживает линию тактов (SCL) в низком уровне: с таким модулем байты получаются сдвинутыми.
</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Vexa Modulant - Settings</source>
        <translation>Vexa Modulant - Настройки</translation>
    </message>
    <message>
        <source>L&amp;anguage:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Без пароля</translation>
    </message>
    <message>
        <source>Zorvik 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zorvik 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>&gt;HH HH HH HH;_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connection:</source>
        <translation>П&amp;одключение:</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Проверка после программирования</translation>
    </message>
    <message>
        <source>C&amp;RC:</source>
        <translation>Проверка &amp;КС:</translation>
    </message>
    <message>
        <source>&amp;Transfer:</source>
        <translation>&amp;Обмен:</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстрый</translation>
    </message>
    <message>
        <source>Compatible</source>
        <translation>Совместимый</translation>
    </message>
    <message>
        <source>How FTDI programmers are driven: Fast batches the bus traffic, Compatible flushes every bit as older versions did</source>
        <translation>Как работать с программаторами FTDI: «Быстрый» передаёт обмен по шине пакетами, «Совместимый» передаёт каждый бит отдельно, как прежние версии</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>What Automatic tries in turn, after the one this module&apos;s part number took last, and what --password picks by name</source>
        <translation>Что «Автоматически» пробует по очереди после пароля, который последним принял модуль с этим артикулом, и что --password выбирает по названию</translation>
    </message>
    <message>
        <source>Password &amp;list:</source>
        <translation>&amp;Список паролей:</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Это не обычный файл: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>File is too large for an EEPROM image (more than %1 bytes): %2</source>
        <translation>Файл слишком велик для образа EEPROM (больше %1 байт): %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Not a module dump: %1
%2</source>
        <translation>Файл не является дампом модуля: %1
%2</translation>
    </message>
    <message>
        <source>Not a module image: %1 holds %2 bytes; a raw image is one table (128 bytes), A0h (256 bytes), a whole SFP module (512 bytes) or a QSFP module (640 bytes)</source>
        <translation>Файл не является образом модуля: %1 содержит %2 байт; образ без заголовка — это одна таблица (128 байт), A0h (256 байт), весь модуль SFP (512 байт) или модуль QSFP (640 байт)</translation>
    </message>
    <message>
        <source>Not a module image: %1: %2</source>
        <translation>Файл не является образом модуля: %1: %2</translation>
    </message>
</context>
<context>
    <name>TableViewModel</name>
    <message>
        <source>%1 does not hold %2; it holds %3</source>
        <translation>В %1 нет %2; в нём есть %3</translation>
    </message>
</context>
<context>
    <name>TextDump</name>
    <message>
        <source>Line %1: a row starts with its offset, like &quot;0x0010:&quot;; found &quot;%2&quot;</source>
        <translation>Строка %1: строка дампа начинается со смещения, например «0x0010:»; найдено «%2»</translation>
    </message>
    <message>
        <source>Line %1: 16 bytes expected after the offset, found %2</source>
        <translation>Строка %1: после смещения ожидалось 16 байт, найдено %2</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a hexadecimal byte</source>
        <translation>Строка %1: «%2» — не шестнадцатеричный байт</translation>
    </message>
    <message>
        <source>Line %1: a row starts with its offset, like &quot;10:&quot;; found &quot;%2&quot;</source>
        <translation>Строка %1: строка дампа начинается со смещения, например «10:»; найдено «%2»</translation>
    </message>
    <message>
        <source>Line %1: 16 bytes expected in the row, found %2</source>
        <translation>Строка %1: в строке ожидалось 16 байт, найдено %2</translation>
    </message>
    <message>
        <source>Line %1: i2cdump could not read the byte at offset %2</source>
        <translation>Строка %1: i2cdump не смог прочитать байт по смещению %2</translation>
    </message>
    <message>
        <source>Line %1: 16 bytes expected in the row, found more</source>
        <translation>Строка %1: в строке ожидалось 16 байт, найдено больше</translation>
    </message>
    <message>
        <source>The dump ends at line %1 after %2 bytes: %3</source>
        <translation>Дамп заканчивается на строке %1, содержит %2 байт: %3</translation>
    </message>
    <message>
        <source>The dump holds no bytes: %1</source>
        <translation>В дампе нет ни одного байта: %1</translation>
    </message>
    <message>
        <source>an image without offsets is one table (128 bytes), the two tables of A0h (256), a whole SFP module (512) or a QSFP module&apos;s lower page and pages 00h-03h (640)</source>
        <translation>образ без смещений — это одна таблица (128 байт), две таблицы A0h (256), весь модуль SFP (512) или нижняя страница и страницы 00h-03h модуля QSFP (640)</translation>
    </message>
    <message>
        <source>Line %1: the bytes of this row are given already at line %2</source>
        <translation>Строка %1: байты этой строки уже заданы в строке %2</translation>
    </message>
    <message>
        <source>Line %1: the dump holds part of %2 only; a region (128 bytes) is read and written whole</source>
        <translation>Строка %1: в дампе есть только часть %2; область (128 байт) читается и записывается целиком</translation>
    </message>
    <message>
        <source>Line %1: %2 is not the offset of a row of 16 bytes</source>
        <translation>Строка %1: %2 — не смещение строки из 16 байт</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; names no region; regions are named like a0-low, a2-high, a2-page-01, lower, page-03 or bank-1-page-10</source>
        <translation>Строка %1: «%2» не называет область; области называются так: a0-low, a2-high, a2-page-01, lower, page-03 или bank-1-page-10</translation>
    </message>
    <message>
        <source>Line %1: offset %2 is past the end of the layout of a module of this kind</source>
        <translation>Строка %1: смещение %2 за пределами формата модуля этого типа</translation>
    </message>
    <message>
        <source>Line %1: offset %2 is not in %3 (%4 to %5), which the region line above names</source>
        <translation>Строка %1: смещение %2 не входит в %3 (с %4 по %5), названную строкой области выше</translation>
    </message>
    <message>
        <source>The dump holds no rows of bytes</source>
        <translation>В дампе нет строк с байтами</translation>
    </message>
    <message>
        <source>Line %1: more than %2 bytes; %3</source>
        <translation>Строка %1: больше %2 байт; %3</translation>
    </message>
    <message>
        <source>The dump holds %1 bytes: %2</source>
        <translation>В дампе %1 байт: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--lang needs a language: en or ru</source>
        <translation>После --lang нужен язык: en или ru</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;: en or ru</source>
        <translation>Неизвестный язык «%1»: en или ru</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help принимает одну команду</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;</source>
        <translation>Неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>Wrong number of arguments. Usage: %1 %2</source>
        <translation>Неверное число аргументов. Использование: %1 %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to standard output: %1</source>
        <translation>Не удалось вывести данные в стандартный вывод: %1</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>The programmer&apos;s serial number; may be left out when only one is attached.</source>
        <translation>Серийный номер программатора; можно не указывать, если подключён только один.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>A table: a0-low, a0-high, a2-low, a2-high, a2-page-NN (a page of A2h), lower, page-NN and bank-N-page-NN (QSFP and CMIS modules), a0, a2 or all; may be repeated. Default: %1.</source>
        <translation>Таблица: a0-low, a0-high, a2-low, a2-high, a2-page-NN (страница A2h), lower, page-NN и bank-N-page-NN (модули QSFP и CMIS), a0, a2 или all; можно указать несколько раз. По умолчанию: %1.</translation>
    </message>
    <message>
        <source>The device an i2cdump image is of, which the dump does not say: a0 (default) or a2.</source>
        <translation>Устройство, с которого снят образ i2cdump (сам дамп этого не говорит): a0 (по умолчанию) или a2.</translation>
    </message>
</context>
<context>
    <name>DecodeCommand</name>
    <message>
        <source>Decode an image or the module</source>
        <translation>Расшифровать образ или модуль</translation>
    </message>
    <message>
        <source>One JSON object instead of text, for other programs.</source>
        <translation>Один объект JSON вместо текста, для других программ.</translation>
    </message>
    <message>
        <source>Decode a file or the module, not both: give FILE or -p SERIAL</source>
        <translation>Расшифровать можно файл или модуль, но не оба сразу: укажите FILE или -p SERIAL</translation>
    </message>
    <message>
        <source>Check codes that are wrong: %1</source>
        <translation>Неверные контрольные суммы: %1</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>Decodes the identification and diagnostics of a module as the window&apos;s Module panel does: of the image FILE (- for standard input, so that &quot;ethtool -m eth0 hex on | vexa-modulant-cli decode -&quot; works), or, without FILE, of every table and page the module in the programmer advertises (-p may be left out when one programmer is attached). The findings come first, then every field with its value and unit; warnings and errors are spelt out. With --json the decode is one JSON object instead, in English whatever the language.

Every byte is decoded at its address: a dump of A2h is A2h. A one-table image (128 raw bytes) is taken as A0 Low unless -t names its table. The exit status is 3 when a check code is wrong: CC_BASE, CC_EXT, or CC_DMI when there is A2h and A0h byte 92 says the module has digital diagnostics.

The first line names the module&apos;s family, which byte 0 (or the identifier in page 00h) tells: SFP modules (SFF-8472) or QSFP+ and QSFP28 modules (SFF-8636), whose identification is page 00h and whose diagnostics are the lower page&apos;s four lanes, judged against page 03h, or CMIS modules (QSFP-DD, OSFP, QSFP112), with their module state, application advertisement, page check codes and eight lanes of page 11h judged against page 02h.</source>
        <translation>Расшифровывает идентификацию и диагностику модуля так же, как панель «Модуль» в окне: образа FILE (- — стандартный ввод, так что работает «ethtool -m eth0 hex on | vexa-modulant-cli decode -») или, без FILE, всех таблиц и страниц, которые объявляет модуль в программаторе (-p можно не указывать, если подключён один программатор). Сначала идут выводы, затем каждое поле со значением и единицей измерения; предупреждения и ошибки описаны словами. С --json расшифровка выводится одним объектом JSON, на английском при любом языке.

Каждый байт расшифровывается по его адресу: дамп A2h — это A2h. Образ одной таблицы (128 байт без заголовка) считается A0 Нижней, если -t не называет его таблицу. Код завершения 3, если неверен контрольный код: CC_BASE, CC_EXT или CC_DMI, если есть A2h и байт 92 A0h говорит, что у модуля есть цифровая диагностика.

Первая строка называет семейство модуля, которое определяет байт 0 (или идентификатор на странице 00h): модули SFP (SFF-8472) или модули QSFP+ и QSFP28 (SFF-8636), у которых идентификация — страница 00h, а диагностика — четыре линии нижней страницы, оцениваемые по порогам страницы 03h, или модули CMIS (QSFP-DD, OSFP, QSFP112) с их состоянием модуля, объявлением приложений, контрольными кодами страниц и восемью линиями страницы 11h, оцениваемыми по порогам страницы 02h.</translation>
    </message>
</context>
<context>
    <name>DecodeListing</name>
    <message>
        <source>[warning]</source>
        <translation>[предупреждение]</translation>
    </message>
    <message>
        <source>[error]</source>
        <translation>[ошибка]</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Замечания</translation>
    </message>
    <message>
        <source>Not in the image</source>
        <translation>Нет в образе</translation>
    </message>
    <message>
        <source>Module family: %1
</source>
        <translation>Семейство модуля: %1
</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Compare two images byte by byte</source>
        <translation>Сравнить два образа побайтно</translation>
    </message>
    <message>
        <source>The images are the same.</source>
        <translation>Образы совпадают.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Первый</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Второй</translation>
    </message>
    <message>
        <source>Bytes that differ: %1</source>
        <translation>Различающихся байт: %1</translation>
    </message>
    <message>
        <source>Lists the bytes in which two images differ, with their addresses and fields, over the tables and pages both hold, and names the regions only one of them holds. A one-table image (128 raw bytes) is taken as A0 Low. The exit status is 3 when the images differ.</source>
        <translation>Выводит байты, которыми различаются два образа, с их адресами и полями, по таблицам и страницам, которые есть в обоих, и называет области, которые есть только в одном из них. Образ одной таблицы (128 байт без заголовка) считается A0 Нижней. Код завершения 3, если образы различаются.</translation>
    </message>
    <message>
        <source>Only in %1: %2
</source>
        <translation>Только в %1: %2
</translation>
    </message>
</context>
<context>
    <name>Differences</name>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Байт</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>%1 bank %2 page %3h %4</source>
        <translation>%1 банк %2 страница %3h %4</translation>
    </message>
    <message>
        <source>%1 page %2h %3</source>
        <translation>%1 страница %2h %3</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Show the help of a command</source>
        <translation>Показать справку по команде</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message>
        <source>Messages in English or Russian; default: the language chosen in the window.</source>
        <translation>Сообщения на английском или русском; по умолчанию — язык, выбранный в окне программы.</translation>
    </message>
    <message>
        <source>success</source>
        <translation>успешно</translation>
    </message>
    <message>
        <source>a transfer or a file failed</source>
        <translation>ошибка обмена с модулем или ошибка файла</translation>
    </message>
    <message>
        <source>a usage error</source>
        <translation>ошибка в командной строке</translation>
    </message>
    <message>
        <source>verify or diff found differences, or a check code is wrong</source>
        <translation>проверка или сравнение нашли различия, или неверна контрольная сумма</translation>
    </message>
    <message>
        <source>interrupted with Ctrl+C</source>
        <translation>прервано по Ctrl+C</translation>
    </message>
    <message>
        <source>Usage: %1 [--lang en|ru] COMMAND [ARGUMENTS]</source>
        <translation>Использование: %1 [--lang en|ru] КОМАНДА [АРГУМЕНТЫ]</translation>
    </message>
    <message>
        <source>Reads, writes and compares the identification memory of SFP modules in an FTDI programmer, and reads the dumps other tools make.</source>
        <translation>Читает, записывает и сравнивает идентификационную память SFP-модулей в программаторе на FTDI, а также читает дампы других программ.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Tables: a0-low, a0-high, a2-low, a2-high; a0 and a2 for both tables of a device; all.</source>
        <translation>Таблицы: a0-low, a0-high, a2-low, a2-high; a0 и a2 — обе таблицы устройства; all — все.</translation>
    </message>
    <message>
        <source>Images: raw files of 128 bytes (one table), 256 (one device) or 512 (A0h, then A2h), and the text dumps of &quot;ethtool -m DEV hex on&quot;, &quot;i2cdump -y BUS 0x50 b&quot; and plain hex.</source>
        <translation>Образы: двоичные файлы по 128 байт (одна таблица), 256 (одно устройство) или 512 (A0h, затем A2h), а также текстовые дампы «ethtool -m DEV hex on», «i2cdump -y BUS 0x50 b» и просто шестнадцатеричные байты.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Коды завершения:</translation>
    </message>
    <message>
        <source>Run &quot;%1 help COMMAND&quot; for the options of a command.</source>
        <translation>Параметры команды: «%1 help КОМАНДА».</translation>
    </message>
    <message>
        <source>Usage: %1 %2</source>
        <translation>Использование: %1 %2</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for the commands.</source>
        <translation>Список команд: «%1 --help».</translation>
    </message>
    <message>
        <source>Run &quot;%1 help %2&quot; for its options.</source>
        <translation>Параметры команды: «%1 help %2».</translation>
    </message>
</context>
<context>
    <name>ListCommand</name>
    <message>
        <source>List the programmers attached</source>
        <translation>Показать подключённые программаторы</translation>
    </message>
    <message>
        <source>Prints one line for each programmer found: what selects it with -p (an FTDI chip&apos;s serial number, an I2C adapter&apos;s &quot;i2c-N&quot;, a CH341A&apos;s USB port), its kind and its description. The simulated programmers are listed when VEXA_SIMULATOR is set.</source>
        <translation>Выводит по строке на каждый найденный программатор: то, что выбирает его ключом -p (серийный номер микросхемы FTDI, «i2c-N» адаптера I2C, порт USB у CH341A), его тип и описание. Имитаторы программаторов показываются, если задана переменная VEXA_SIMULATOR.</translation>
    </message>
    <message>
        <source>No programmer found.</source>
        <translation>Программатор не найден.</translation>
    </message>
</context>
<context>
    <name>PasswordOption</name>
    <message>
        <source>The custom password in the settings (&quot;%1&quot;) is not four hexadecimal bytes</source>
        <translation>Собственный пароль в настройках («%1») — не четыре шестнадцатеричных байта</translation>
    </message>
    <message>
        <source>The module password: none (default), preset1, preset2, custom (the one stored in the settings), auto (the settings&apos; password list in turn, the one a module of the same vendor and part number took last first, then no password), the name of an entry of that list (any case), or eight hexadecimal digits, which are taken as digits even where an entry has them for its name.</source>
        <translation>Пароль модуля: none (по умолчанию), preset1, preset2, custom (сохранённый в настройках), auto (список паролей из настроек по очереди: первым тот, который последним принял модуль того же производителя с тем же артикулом, в конце — без пароля), название записи этого списка (в любом регистре) или восемь шестнадцатеричных цифр, которые понимаются как цифры, даже если так названа запись списка.</translation>
    </message>
    <message>
        <source>Unknown password &quot;%1&quot;: give none, preset1, preset2, custom, auto, eight hexadecimal digits or a name of the password list: %2</source>
        <translation>Неизвестный пароль «%1»: укажите none, preset1, preset2, custom, auto, восемь шестнадцатеричных цифр или название из списка паролей: %2</translation>
    </message>
</context>
<context>
    <name>ProgrammerChoice</name>
    <message>
        <source>No programmer with the serial number %1 is attached; none is</source>
        <translation>Программатор с серийным номером %1 не подключён; не подключено ни одного</translation>
    </message>
    <message>
        <source>No programmer with the serial number %1 is attached; found: %2</source>
        <translation>Программатор с серийным номером %1 не подключён; найдены: %2</translation>
    </message>
    <message>
        <source>No programmer found. Check that it is plugged in and that this user may use it.</source>
        <translation>Программатор не найден. Проверьте, что он подключён и что у этого пользователя есть к нему доступ.</translation>
    </message>
    <message>
        <source>Several programmers are attached (%1): choose one with -p SERIAL</source>
        <translation>Подключено несколько программаторов (%1): выберите один с помощью -p SERIAL</translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <source>Interrupted: nothing was written.</source>
        <translation>Прервано: ничего не записано.</translation>
    </message>
    <message>
        <source>Read tables and pages of the module</source>
        <translation>Прочитать таблицы и страницы модуля</translation>
    </message>
    <message>
        <source>Reads the tables and pages named with -t (default: all, every table and page the module advertises). Without -o their bytes are printed as a hex dump in the layout of &quot;ethtool -m DEV hex on&quot; (A2h from offset 0x100), each region after a line that names it (&quot;# a2-page-01&quot;), so that the dump reads back to the same bytes at the same addresses. With -o FILE they go into a file, written whole or not at all: raw bytes where a raw layout holds exactly what was read (A0 Low alone, A0h, A0h then A2h, a QSFP module&apos;s lower page and pages 00h-03h), the dump otherwise; -o - sends the same to standard output.

A page is read with its number written to byte 127 of its device, which is read back to check that the module took it; afterwards the module&apos;s own page is selected again. A module without diagnostics (no answer at A2h, and A0h byte 92 says so) gives its A0h tables alone, with a note.</source>
        <translation>Читает таблицы и страницы, указанные в -t (по умолчанию all — все таблицы и страницы, которые объявляет модуль). Без -o их байты выводятся шестнадцатеричным дампом в формате «ethtool -m DEV hex on» (A2h со смещения 0x100), каждая область — после строки с её именем («# a2-page-01»), так что дамп читается обратно в те же байты по тем же адресам. С -o FILE они записываются в файл целиком или не записываются вовсе: байтами без заголовка, если такой формат вмещает ровно прочитанное (одна A0 Нижняя, A0h, A0h и затем A2h, нижняя страница и страницы 00h-03h модуля QSFP), иначе дампом; -o - отправляет то же на стандартный вывод.

Страница читается после записи её номера в байт 127 её устройства; номер читается обратно, чтобы проверить, что модуль его принял, а после чтения модулю возвращается его собственная страница. Модуль без диагностики (нет ответа на A2h, и байт 92 A0h это подтверждает) даёт только свои таблицы A0h, с примечанием.</translation>
    </message>
    <message>
        <source>A file to write, or - for standard output.</source>
        <translation>Файл для записи или - для стандартного вывода.</translation>
    </message>
</context>
<context>
    <name>TuneCommand</name>
    <message>
        <source>Tune a tunable DWDM module to a channel or a wavelength</source>
        <translation>Настроить перестраиваемый модуль DWDM на канал или длину волны</translation>
    </message>
    <message>
        <source>Sets the channel (--channel N, 1 being the module&apos;s first frequency) or the wavelength (--wavelength NM, which must be a channel of the module&apos;s grid) of a tunable module through A2h page 02h. The module&apos;s range is checked first; the tool then waits until the module reports that tuning is complete and prints the new channel, frequency and wavelength.

The exit status is 1 when the module reports a tuning fault (a TEC fault, or a channel it refused) or does not settle, 2 when the channel or wavelength is outside the module&apos;s range.</source>
        <translation>Устанавливает канал (--channel N, где 1 — первая частота модуля) или длину волны (--wavelength NM, которая должна быть каналом сетки модуля) перестраиваемого модуля через страницу 02h A2h. Сначала проверяется диапазон модуля; затем программа ждёт, пока модуль сообщит о завершении настройки, и выводит новый канал, частоту и длину волны.

Код завершения 1, если модуль сообщает об ошибке настройки (отказ охладителя или отклонённый канал) или не успокаивается, 2 — если канал или длина волны вне диапазона модуля.</translation>
    </message>
    <message>
        <source>The channel to tune to.</source>
        <translation>Канал, на который настроить.</translation>
    </message>
    <message>
        <source>The wavelength to tune to, in nm.</source>
        <translation>Длина волны в нм, на которую настроить.</translation>
    </message>
    <message>
        <source>Give either --channel N or --wavelength NM</source>
        <translation>Укажите либо --channel N, либо --wavelength NM</translation>
    </message>
    <message>
        <source>--channel needs a whole number from 1</source>
        <translation>--channel требует целого числа от 1</translation>
    </message>
    <message>
        <source>--wavelength needs a number of nm</source>
        <translation>--wavelength требует числа нанометров</translation>
    </message>
    <message>
        <source>A0h does not announce a tunable transmitter; tuning through page 02h all the same</source>
        <translation>A0h не объявляет перестраиваемый передатчик; настройка через страницу 02h всё равно выполняется</translation>
    </message>
    <message>
        <source>%1 is outside the module&apos;s range: channels 1 to %2, %3 to %4 THz (%5 to %6 nm)</source>
        <translation>%1 вне диапазона модуля: каналы с 1 по %2, от %3 до %4 ТГц (от %5 до %6 нм)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Канал %1</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 нм</translation>
    </message>
    <message>
        <source>%1 nm is not on the module&apos;s grid; the nearest channel is %2, at %3 nm</source>
        <translation>%1 нм не лежит на сетке модуля; ближайший канал — %2, на %3 нм</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Couldn&apos;t set the channel: %1</source>
        <translation>Не удалось установить канал: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read the tuning page: %1</source>
        <translation>Не удалось прочитать страницу настройки: %1</translation>
    </message>
    <message>
        <source>The module reports a tuning fault: %1</source>
        <translation>Модуль сообщает об ошибке настройки: %1</translation>
    </message>
    <message>
        <source>The module did not report tuning complete within %1 s</source>
        <translation>Модуль не сообщил о завершении настройки за %1 с</translation>
    </message>
    <message>
        <source>Channel %1: %2 THz, %3 nm (wavelength error %4 nm)
</source>
        <translation>Канал %1: %2 ТГц, %3 нм (ошибка длины волны %4 нм)
</translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Interrupted.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>The module matches the image: %1</source>
        <translation>Модуль совпадает с образом: %1</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Bytes that differ: %1</source>
        <translation>Различающихся байт: %1</translation>
    </message>
    <message>
        <source>Compare tables and pages of the module with an image</source>
        <translation>Сравнить таблицы и страницы модуля с образом</translation>
    </message>
    <message>
        <source>Reads the tables and pages named with -t (default: every region the image FILE holds) and compares them with the image. The differing bytes are listed on standard output with their addresses. Only the bytes a module keeps as written are compared: of A2 Low the thresholds, calibration and CC_DMI (bytes 0-95), not the values, status and flags after them; of A2h&apos;s upper half and its user pages the user memory (bytes 128-247). The exit status is 3 when bytes differ.</source>
        <translation>Читает таблицы и страницы, указанные в -t (по умолчанию — все области образа FILE), и сравнивает их с образом. Отличающиеся байты выводятся на стандартный вывод с их адресами. Сравниваются только байты, которые модуль хранит так, как они записаны: в A2 Нижней пороги, калибровка и CC_DMI (байты 0-95), а не значения, состояние и флаги после них; в верхней половине A2h и её пользовательских страницах — пользовательская память (байты 128-247). Код завершения 3, если байты различаются.</translation>
    </message>
    <message>
        <source>what the image holds</source>
        <translation>то, что есть в образе</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Образ</translation>
    </message>
</context>
<context>
    <name>WholeModuleJob</name>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось вычитать %1: %2</translation>
    </message>
    <message>
        <source>Verify failed: %1 byte %2 read back differs from what was written</source>
        <translation>Проверка не пройдена: %1, байт %2 — прочитанное отличается от записанного</translation>
    </message>
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <source>Do not read the tables back.</source>
        <translation>Не проверять таблицы обратным чтением.</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Written before: %1</source>
        <translation>Перед этим записаны: %1</translation>
    </message>
    <message>
        <source>Interrupted: nothing was written.</source>
        <translation>Прервано: ничего не записано.</translation>
    </message>
    <message>
        <source>Interrupted: written whole: %1</source>
        <translation>Прервано: полностью записаны: %1</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Записано</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Прочитано</translation>
    </message>
    <message>
        <source>%1 written, but bytes read back differ: %2</source>
        <translation>%1 записана, но при обратном чтении отличаются байт: %2</translation>
    </message>
    <message>
        <source>%1 written and verified</source>
        <translation>%1 записана и проверена</translation>
    </message>
    <message>
        <source>%1 written, not verified</source>
        <translation>%1 записана, без проверки</translation>
    </message>
    <message>
        <source>%1 written, but reading it back failed: %2</source>
        <translation>%1 записана, но обратное чтение не удалось: %2</translation>
    </message>
    <message>
        <source>Write tables and pages of an image into the module</source>
        <translation>Записать таблицы и страницы образа в модуль</translation>
    </message>
    <message>
        <source>The image holds no A0 Low, which write takes without -t; name the tables to write with -t. The image holds %1</source>
        <translation>В образе нет A0 Нижней, которую write записывает без -t; укажите в -t, что записать. В образе есть %1</translation>
    </message>
    <message>
        <source>Writing %1 may upset the module&apos;s diagnostics and other settings; add --allow-diagnostics to write it all the same.</source>
        <translation>Запись %1 может нарушить работу диагностики (DDMI) и другие параметры модуля; добавьте --allow-diagnostics, чтобы всё же записать её.</translation>
    </message>
    <message>
        <source>Writes the tables and pages named with -t from the image FILE (- for standard input) into the module, after the module password, and reads each back to verify it. Without -t it writes A0 Low, which the image must hold; -t all writes every region the image holds. Each region goes to the address the image gives it; a region the image does not hold is refused before anything is written. A one-table image (128 raw bytes) goes where -t says, A0 Low by default.

Bytes that are no data are never written: the page select (byte 127 of A2h) and the password entry. The verify compares what a module keeps as written: all of A0h, the thresholds, calibration and CC_DMI of A2 Low, the user memory of A2h&apos;s pages. A2 Low holds the diagnostics&apos; thresholds and calibration; it is written only with --allow-diagnostics. Ctrl+C stops once the region under way is written: a region is never left half written.

A QSFP module (SFF-8636) takes its password in its lower page, bytes 123-126; of the lower page only the controls and masks (bytes 86-106) are written, its upper pages whole, four bytes at a time with the write cycle waited out after each. Page 03h holds the thresholds: it too needs --allow-diagnostics.

A CMIS module (QSFP-DD, OSFP, QSFP112) takes its password in its lower page, bytes 122-125; of the lower page only the controls and masks (bytes 26-36) are written, its upper pages whole, eight bytes at a time with the write cycle waited out after each. A banked page (bank-N-page-NN) is selected with its bank in one write of bytes 126 and 127, and the module&apos;s own bank and page are selected again after. Page 02h holds the thresholds: it needs --allow-diagnostics.</source>
        <translation>Записывает таблицы и страницы, указанные в -t, из образа FILE (- — стандартный ввод) в модуль, после пароля модуля, и читает каждую обратно для проверки. Без -t записывается A0 Нижняя, которая должна быть в образе; -t all записывает все области образа. Каждая область записывается по адресу, который даёт ей образ; область, которой нет в образе, отклоняется прежде, чем что-либо записано. Образ одной таблицы (128 байт без заголовка) записывается туда, куда указывает -t, по умолчанию в A0 Нижнюю.

Байты, которые не являются данными, никогда не записываются: выбор страницы (байт 127 A2h) и поле ввода пароля. Проверка сравнивает то, что модуль хранит так, как записано: весь A0h, пороги, калибровку и CC_DMI из A2 Нижней, пользовательскую память страниц A2h. A2 Нижняя содержит пороги и калибровку диагностики; она записывается только с --allow-diagnostics. Ctrl+C останавливает запись после области, которая записывается в этот момент: область никогда не остаётся записанной наполовину.

Модуль QSFP (SFF-8636) принимает пароль на нижней странице, в байтах 123-126; с нижней страницы записываются только органы управления и маски (байты 86-106), верхние страницы — целиком, по четыре байта с выдержкой цикла записи после каждой записи. На странице 03h хранятся пороги: для неё тоже нужен --allow-diagnostics.

Модуль CMIS (QSFP-DD, OSFP, QSFP112) принимает пароль на нижней странице, в байтах 122-125; с нижней страницы записываются только органы управления и маски (байты 26-36), верхние страницы — целиком, по восемь байтов с выдержкой цикла записи после каждой записи. Банковая страница (bank-N-page-NN) выбирается вместе со своим банком одной записью байтов 126 и 127, а после записи снова выбираются собственные банк и страница модуля. На странице 02h хранятся пороги: для неё нужен --allow-diagnostics.</translation>
    </message>
    <message>
        <source>Allow writing A2 Low, a QSFP module&apos;s page 03h or a CMIS module&apos;s page 02h.</source>
        <translation>Разрешить запись A2 Low, страницы 03h модуля QSFP или страницы 02h модуля CMIS.</translation>
    </message>
    <message>
        <source>%1: the module took the password &quot;%2&quot;</source>
        <translation>%1: модуль принял пароль «%2»</translation>
    </message>
</context>
<context>
    <name>SerialPattern</name>
    <message>
        <source>The serial numbers &quot;%1&quot; lack the counter: write PREFIX+FIRST or PREFIX+FIRST..LAST, for example VX2612+0001..0500</source>
        <translation>В серийных номерах «%1» нет счётчика: укажите ПРЕФИКС+ПЕРВЫЙ или ПРЕФИКС+ПЕРВЫЙ..ПОСЛЕДНИЙ, например VX2612+0001..0500</translation>
    </message>
    <message>
        <source>The serial number prefix &quot;%1&quot; holds characters other than printable ASCII</source>
        <translation>В префиксе серийного номера «%1» есть символы помимо печатных ASCII</translation>
    </message>
    <message>
        <source>The counter &quot;%1&quot; must be decimal digits, its last value too</source>
        <translation>Счётчик «%1» должен состоять из десятичных цифр, его последнее значение тоже</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and a counter of %2 digits do not fit in the %3 characters of the serial number</source>
        <translation>«%1» и счётчик из %2 цифр не помещаются в %3 символов серийного номера</translation>
    </message>
    <message>
        <source>The last value %1 has more digits than the counter&apos;s %2</source>
        <translation>В последнем значении %1 больше цифр, чем в счётчике (%2)</translation>
    </message>
    <message>
        <source>The last value %1 comes before the first, %2</source>
        <translation>Последнее значение %1 меньше первого, %2</translation>
    </message>
</context>
<context>
    <name>SeriesCommand</name>
    <message>
        <source>Program a series of modules, each with its own serial number</source>
        <translation>Запрограммировать серию модулей, каждый со своим серийным номером</translation>
    </message>
    <message>
        <source>Writes the image TEMPLATE into one module after another: it waits until a module answers in the socket, puts the next serial number and the date code into A0 Low, makes the check codes right, writes and verifies, adds a line to the journal and prints it, and waits until the module is pulled. A template of 128 bytes gives A0 Low, of 256 bytes A0h, of 512 bytes also the user area of A2h.

The serial numbers are PREFIX followed by a counter as wide as START, up to LAST or the largest the counter holds: VX2612+0001..0500. A journal that holds numbers of the series already is continued after the highest; it takes one series at a time. A number is used up once it reached a module, even when the verify fails; a module that already carries a number of the series is refused unless --allow-reprogram is given, which writes it again with its own number.

The series ends after --count modules (without waiting for the last to be pulled), after the counter&apos;s last value, or with Ctrl+C once the module under way is done. Exit status 0 when every module passed, 3 when some failed only their verify, 1 when any other failed.</source>
        <translation>Записывает образ TEMPLATE в модули один за другим: ждёт, пока модуль в разъёме ответит, вписывает в A0 Low следующий серийный номер и дату изготовления, пересчитывает контрольные суммы, записывает и проверяет, добавляет строку в журнал и выводит её, затем ждёт, пока модуль извлекут. Шаблон из 128 байт даёт A0 Low, из 256 байт — A0h, из 512 байт — ещё и пользовательскую область A2h.

Серийные номера — это ПРЕФИКС и счётчик той же ширины, что START, до LAST или до наибольшего значения счётчика: VX2612+0001..0500. Если в журнале уже есть номера этой серии, счёт продолжается после наибольшего; журнал ведёт только одну серию за раз. Номер считается израсходованным, как только попал в модуль, даже если проверка не прошла; модуль, у которого уже есть номер этой серии, отклоняется, если не задан --allow-reprogram — тогда он записывается заново со своим номером.

Серия заканчивается после --count модулей (не дожидаясь извлечения последнего), после последнего значения счётчика или по Ctrl+C, когда текущий модуль готов. Код завершения 0, если все модули прошли, 3, если у некоторых не прошла только проверка, 1 при любой другой ошибке.</translation>
    </message>
    <message>
        <source>The serial numbers: PREFIX+START or PREFIX+START..LAST.</source>
        <translation>Серийные номера: PREFIX+START или PREFIX+START..LAST.</translation>
    </message>
    <message>
        <source>today (default) sets the date code to the day of programming, keep leaves the template&apos;s.</source>
        <translation>today (по умолчанию) ставит датой изготовления день программирования, keep оставляет дату из шаблона.</translation>
    </message>
    <message>
        <source>The journal, a CSV file. Default: %1.</source>
        <translation>Журнал, файл CSV. По умолчанию: %1.</translation>
    </message>
    <message>
        <source>End after this many modules.</source>
        <translation>Закончить после стольких модулей.</translation>
    </message>
    <message>
        <source>Do not read the tables back.</source>
        <translation>Не проверять таблицы обратным чтением.</translation>
    </message>
    <message>
        <source>Write a module that carries a number of the series again, with that number.</source>
        <translation>Записывать модуль с номером этой серии заново, с тем же номером.</translation>
    </message>
    <message>
        <source>The serial numbers are missing: give --serial PREFIX+START[..LAST]</source>
        <translation>Не заданы серийные номера: укажите --serial PREFIX+START[..LAST]</translation>
    </message>
    <message>
        <source>Unknown --date &quot;%1&quot;: give today or keep</source>
        <translation>Неизвестное значение --date «%1»: укажите today или keep</translation>
    </message>
    <message>
        <source>--count needs a number of modules greater than 0</source>
        <translation>После --count нужно число модулей больше 0</translation>
    </message>
    <message>
        <source>Insert a module (next serial number %1)</source>
        <translation>Вставьте модуль (следующий серийный номер %1)</translation>
    </message>
    <message>
        <source>Pull the module</source>
        <translation>Извлеките модуль</translation>
    </message>
    <message>
        <source>The series stopped: %1</source>
        <translation>Серия остановлена: %1</translation>
    </message>
    <message>
        <source>Done: %1 modules</source>
        <translation>Готово, модулей: %1</translation>
    </message>
    <message>
        <source>Done: the last serial number, %1, is used</source>
        <translation>Готово: последний серийный номер, %1, израсходован</translation>
    </message>
    <message>
        <source>Interrupted between two modules</source>
        <translation>Прервано между модулями</translation>
    </message>
    <message>
        <source>Passed: %1, failed: %2</source>
        <translation>Прошли: %1, с ошибкой: %2</translation>
    </message>
</context>
<context>
    <name>SeriesDialog</name>
    <message>
        <source>Vexa Modulant - Series</source>
        <translation>Vexa Modulant - Серия</translation>
    </message>
    <message>
        <source>What to write</source>
        <translation>Что записывать</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Шаблон:</translation>
    </message>
    <message>
        <source>An image of 128 bytes (A0 Low), 256 bytes (A0h) or 512 bytes (also the user area of A2h), or a text dump</source>
        <translation>Образ из 128 байт (A0 Low), 256 байт (A0h) или 512 байт (ещё и пользовательская область A2h) либо текстовый дамп</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>Serial &amp;number:</source>
        <translation>Серийный &amp;номер:</translation>
    </message>
    <message>
        <source>The fixed part at the start of every serial number</source>
        <translation>Постоянная часть в начале каждого серийного номера</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префикс</translation>
    </message>
    <message>
        <source>&amp;from</source>
        <translation>&amp;с</translation>
    </message>
    <message>
        <source>The counter&apos;s first value; its digits give the counter&apos;s width</source>
        <translation>Первое значение счётчика; число его цифр задаёт ширину счётчика</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>&amp;по</translation>
    </message>
    <message>
        <source>The counter&apos;s last value; empty for the largest the counter holds</source>
        <translation>Последнее значение счётчика; пусто — наибольшее, какое помещается</translation>
    </message>
    <message>
        <source>&amp;Date code:</source>
        <translation>&amp;Дата изготовления:</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодняшняя</translation>
    </message>
    <message>
        <source>As in the template</source>
        <translation>Как в шаблоне</translation>
    </message>
    <message>
        <source>&amp;Journal:</source>
        <translation>&amp;Журнал:</translation>
    </message>
    <message>
        <source>A CSV file with one line per module; an existing journal is continued after its highest number</source>
        <translation>Файл CSV, по строке на модуль; существующий журнал продолжается после его наибольшего номера</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Об&amp;зор...</translation>
    </message>
    <message>
        <source>&amp;Modules:</source>
        <translation>&amp;Модулей:</translation>
    </message>
    <message>
        <source>The series ends after this many modules</source>
        <translation>Серия заканчивается после стольких модулей</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Без ограничения</translation>
    </message>
    <message>
        <source>&amp;Verify every module</source>
        <translation>&amp;Проверять каждый модуль</translation>
    </message>
    <message>
        <source>Re-program a module that carries a number of this series &amp;already</source>
        <translation>Перепрограммировать модуль, у которого &amp;уже есть номер этой серии</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Старт</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>Ст&amp;оп</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Waiting for a module</source>
        <translation>Ожидание модуля</translation>
    </message>
    <message>
        <source>Programming %1</source>
        <translation>Программирование %1</translation>
    </message>
    <message>
        <source>Choose the template and the serial numbers, then Start</source>
        <translation>Выберите шаблон и серийные номера и нажмите «Старт»</translation>
    </message>
    <message>
        <source>Stopping once this module is done</source>
        <translation>Остановка после этого модуля</translation>
    </message>
    <message>
        <source>Done: %1, pull the module</source>
        <translation>Готово: %1, извлеките модуль</translation>
    </message>
    <message>
        <source>Module failed: %1</source>
        <translation>Модуль не прошёл: %1</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>С ошибкой: %1</translation>
    </message>
    <message>
        <source>Series complete: pull the last module</source>
        <translation>Серия завершена: извлеките последний модуль</translation>
    </message>
    <message>
        <source>Series complete: the last serial number is used</source>
        <translation>Серия завершена: последний серийный номер израсходован</translation>
    </message>
    <message>
        <source>Series stopped</source>
        <translation>Серия остановлена</translation>
    </message>
    <message>
        <source>Series stopped: %1</source>
        <translation>Серия остановлена: %1</translation>
    </message>
    <message>
        <source>Passed: %1</source>
        <translation>Прошли: %1</translation>
    </message>
    <message>
        <source>Next serial number: %1</source>
        <translation>Следующий серийный номер: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>не выбран</translation>
    </message>
    <message>
        <source>Programmer %1, without password, as in the Settings</source>
        <translation>Программатор %1, без пароля, как в настройках</translation>
    </message>
    <message>
        <source>Programmer %1, with password, as in the Settings</source>
        <translation>Программатор %1, с паролем, как в настройках</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Module images (*.bin *.txt *)</source>
        <translation>Образы модулей (*.bin *.txt *)</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Programmer %1, with the password list, as in the Settings</source>
        <translation>Программатор %1, со списком паролей, как в настройках</translation>
    </message>
    <message>
        <source>Write the window&apos;s current buffer, or its Module tab, into every module</source>
        <translation>Записывать в каждый модуль текущий буфер окна или его вкладку «Модуль»</translation>
    </message>
    <message>
        <source>From b&amp;uffer</source>
        <translation>Из &amp;буфера</translation>
    </message>
    <message>
        <source>%1 of the window</source>
        <translation>%1 окна</translation>
    </message>
    <message>
        <source>%1 holds no A0 Low, which a series writes into every module</source>
        <translation>В «%1» нет A0 Нижней, которую серия записывает в каждый модуль</translation>
    </message>
</context>
<context>
    <name>SeriesJournal</name>
    <message>
        <source>Couldn&apos;t read the journal %1: %2</source>
        <translation>Не удалось прочитать журнал %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a series journal: its first line is not the journal&apos;s header</source>
        <translation>%1 — не журнал серии: его первая строка не заголовок журнала</translation>
    </message>
    <message>
        <source>Couldn&apos;t open the journal %1: %2</source>
        <translation>Не удалось открыть журнал %1: %2</translation>
    </message>
    <message>
        <source>Another series holds the journal %1; a journal takes one series at a time</source>
        <translation>Журнал %1 занят другой серией; журнал ведёт только одну серию за раз</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock the journal %1: %2</source>
        <translation>Не удалось заблокировать журнал %1: %2</translation>
    </message>
    <message>
        <source>The journal is not open</source>
        <translation>Журнал не открыт</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the journal %1: %2</source>
        <translation>Не удалось записать журнал %1: %2</translation>
    </message>
</context>
<context>
    <name>SeriesRecord</name>
    <message>
        <source>Passed</source>
        <translation>Прошёл</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>Проверка не прошла</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Pulled</source>
        <translation>Извлечён</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Отклонён</translation>
    </message>
</context>
<context>
    <name>SeriesRun</name>
    <message>
        <source>A series is running already</source>
        <translation>Серия уже идёт</translation>
    </message>
    <message>
        <source>No programmer is chosen</source>
        <translation>Программатор не выбран</translation>
    </message>
    <message>
        <source>The series has no template image</source>
        <translation>У серии нет образа-шаблона</translation>
    </message>
    <message>
        <source>The series has no serial numbers</source>
        <translation>У серии нет серийных номеров</translation>
    </message>
    <message>
        <source>Every serial number up to %1 is used already (journal %2)</source>
        <translation>Все серийные номера до %1 уже израсходованы (журнал %2)</translation>
    </message>
    <message>
        <source>Couldn&apos;t read A2 High: %1</source>
        <translation>Не удалось прочитать A2 Верхнюю: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read A0 Low: %1</source>
        <translation>Не удалось прочитать A0 Нижнюю: %1</translation>
    </message>
    <message>
        <source>The module carries %1 of this series already; pull it</source>
        <translation>У модуля уже есть номер этой серии %1; извлеките его</translation>
    </message>
    <message>
        <source>%1 written, but reading it back failed: %2</source>
        <translation>%1 записана, но обратное чтение не удалось: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Written and verified</source>
        <translation>Записан и проверен</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Записан, не проверен</translation>
    </message>
    <message>
        <source>%1 read back differs from what was written: bytes that differ: %2, the first %3</source>
        <translation>%1 при обратном чтении отличается от записанного: различающихся байт: %2, первый — %3</translation>
    </message>
    <message>
        <source>The module was pulled while it was written; %1 is used up: %2</source>
        <translation>Модуль извлекли во время записи; номер %1 израсходован: %2</translation>
    </message>
    <message>
        <source>The module was pulled before anything was written: %1</source>
        <translation>Модуль извлекли до начала записи: %1</translation>
    </message>
    <message>
        <source>The module is of the %1 family, the template of the %2 family; pull it</source>
        <translation>Модуль из семейства %1, а шаблон — для семейства %2; извлеките модуль</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1, with the password &quot;%2&quot;</source>
        <translation>%1, с паролем «%2»</translation>
    </message>
</context>
<context>
    <name>ProgrammerCheck</name>
    <message>
        <source>Not done: the step before failed.</source>
        <translation>Не выполнено: предыдущий шаг не прошёл.</translation>
    </message>
    <message>
        <source>Open the programmer</source>
        <translation>Открытие программатора</translation>
    </message>
    <message>
        <source>Lines let go</source>
        <translation>Линии отпущены</translation>
    </message>
    <message>
        <source>Lines driven</source>
        <translation>Линии под управлением</translation>
    </message>
    <message>
        <source>Module at 0x50</source>
        <translation>Модуль по адресу 0x50</translation>
    </message>
    <message>
        <source>Diagnostics at 0x51</source>
        <translation>Диагностика по адресу 0x51</translation>
    </message>
    <message>
        <source>Read of a table</source>
        <translation>Чтение таблицы</translation>
    </message>
    <message>
        <source>%1. Is it plugged in, and may this user use it? The list of programmers shows what is attached.</source>
        <translation>%1. Подключён ли он и есть ли у пользователя права на него? Список программаторов показывает, что подключено.</translation>
    </message>
    <message>
        <source>Opened.</source>
        <translation>Открыт.</translation>
    </message>
    <message>
        <source>This programmer cannot drive and read its lines one by one.</source>
        <translation>Этот программатор не умеет управлять линиями и читать их по отдельности.</translation>
    </message>
    <message>
        <source>%1 stays low even when driven high: it is shorted to ground, or the module holds it. Check the wiring, and try without a module.</source>
        <translation>%1 остаётся в низком уровне, даже когда её тянут вверх: она замкнута на землю или её держит модуль. Проверьте монтаж и попробуйте без модуля.</translation>
    </message>
    <message>
        <source>SDA and SCL</source>
        <translation>SDA и SCL</translation>
    </message>
    <message>
        <source>Low when let go: %1. Yet the module answers: there is no pull-up. Fit 4.7 kΩ to 10 kΩ from each line to 3.3 V.</source>
        <translation>Низкий уровень на отпущенной линии: %1. При этом модуль отвечает: нет подтягивающего резистора. Поставьте от 4,7 до 10 кОм от каждой линии к 3,3 В.</translation>
    </message>
    <message>
        <source>Low when let go: %1. No module answers either: is the module powered (3.3 V on its pins 15 and 16)? Are there pull-ups? They need that supply too.</source>
        <translation>Низкий уровень на отпущенной линии: %1. Модуль тоже не отвечает: подано ли на модуль питание (3,3 В на выводы 15 и 16)? Есть ли подтягивающие резисторы? Им тоже нужно это питание.</translation>
    </message>
    <message>
        <source>SDA and SCL are high.</source>
        <translation>SDA и SCL в высоком уровне.</translation>
    </message>
    <message>
        <source>SDA stays high when driven low: something else drives it, or it is shorted to the supply.</source>
        <translation>SDA остаётся в высоком уровне, когда её тянут вниз: ею управляет что-то ещё, или она замкнута на питание.</translation>
    </message>
    <message>
        <source>SCL stays high when driven low: something else drives it, or it is shorted to the supply.</source>
        <translation>SCL остаётся в высоком уровне, когда её тянут вниз: ею управляет что-то ещё, или она замкнута на питание.</translation>
    </message>
    <message>
        <source>One line goes low with the other: SDA and SCL are shorted together.</source>
        <translation>Одна линия опускается вместе с другой: SDA и SCL замкнуты между собой.</translation>
    </message>
    <message>
        <source>Not judged: a line is stuck low.</source>
        <translation>Не оценивается: линия застряла в низком уровне.</translation>
    </message>
    <message>
        <source>Each line follows the programmer; the other stays as it was.</source>
        <translation>Каждая линия следует за программатором, другая остаётся как была.</translation>
    </message>
    <message>
        <source>Not tried: a line is stuck low.</source>
        <translation>Не проверено: линия застряла в низком уровне.</translation>
    </message>
    <message>
        <source>The module answers.</source>
        <translation>Модуль отвечает.</translation>
    </message>
    <message>
        <source>The module answers only with SDA and SCL exchanged: the two lines are swapped. Exchange the wires at the module&apos;s pins 4 (SDA) and 5 (SCL).</source>
        <translation>Модуль отвечает только при переставленных SDA и SCL: линии перепутаны. Поменяйте местами провода на выводах модуля 4 (SDA) и 5 (SCL).</translation>
    </message>
    <message>
        <source>No module answers: is a module in the socket, all the way in, and powered?</source>
        <translation>Модуль не отвечает: вставлен ли модуль в гнездо до конца и подано ли на него питание?</translation>
    </message>
    <message>
        <source>No module answers: is a module in the socket and powered? Are SDA and SCL pulled up and wired the right way round?</source>
        <translation>Модуль не отвечает: вставлен ли модуль в гнездо и подано ли на него питание? Подтянуты ли SDA и SCL и не перепутаны ли они?</translation>
    </message>
    <message>
        <source>Not tried: the module does not answer as wired.</source>
        <translation>Не проверено: модуль не отвечает при таком подключении.</translation>
    </message>
    <message>
        <source>The module has diagnostics.</source>
        <translation>У модуля есть диагностика.</translation>
    </message>
    <message>
        <source>No answer: the module has no diagnostics, as many simple modules have not.</source>
        <translation>Нет ответа: у модуля нет диагностики, как у многих простых модулей.</translation>
    </message>
    <message>
        <source>Every byte reads 00: SDA is held low, or has no pull-up, or the module has no supply.</source>
        <translation>Все байты читаются как 00: SDA удерживается в низком уровне, или не подтянута, или на модуль не подано питание.</translation>
    </message>
    <message>
        <source>%1 bytes in %2 ms.</source>
        <translation>%1 байт за %2 мс.</translation>
    </message>
    <message>
        <source>SCL stays low: the module holds it, or it is shorted to ground.</source>
        <translation>SCL остаётся в низком уровне: её держит модуль или она замкнута на землю.</translation>
    </message>
    <message>
        <source>The module stopped answering.</source>
        <translation>Модуль перестал отвечать.</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>ПРОП</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>ПРИМ</translation>
    </message>
</context>
<context>
    <name>CheckCommand</name>
    <message>
        <source>Check a programmer, its wiring and the module</source>
        <translation>Проверить программатор, его монтаж и модуль</translation>
    </message>
    <message>
        <source>Opens the programmer and checks it step by step: the lines let go and driven (where the programmer can read them one by one, as FTDI chips can), the module at 0x50, its diagnostics at 0x51, and how long a read of a table takes. Each step is printed with PASS or FAIL and, for a failure, the likely cause and what to do. The exit status is 0 when no step failed, 1 otherwise.</source>
        <translation>Открывает программатор и проверяет его по шагам: линии отпущенные и под управлением (если программатор умеет читать их по отдельности, как микросхемы FTDI), модуль по адресу 0x50, его диагностику по адресу 0x51 и сколько длится чтение таблицы. Каждый шаг выводится с отметкой ДА или НЕТ, а для неудачного шага — вероятная причина и что делать. Код завершения 0, если ни один шаг не провален, иначе 1.</translation>
    </message>
    <message>
        <source>Checking %1
</source>
        <translation>Проверка %1
</translation>
    </message>
</context>
<context>
    <name>ProgrammerCheckDialog</name>
    <message>
        <source>No programmer is chosen: pick one in the settings.</source>
        <translation>Программатор не выбран: выберите его в настройках.</translation>
    </message>
    <message>
        <source>Checking %1...</source>
        <translation>Проверка %1...</translation>
    </message>
    <message>
        <source>%1 works: every step passed.</source>
        <translation>%1 работает: все шаги пройдены.</translation>
    </message>
    <message>
        <source>%1: a step failed; its line says why and what to do.</source>
        <translation>%1: шаг не пройден; в его строке сказано почему и что делать.</translation>
    </message>
    <message>
        <source>Vexa Modulant - Check programmer</source>
        <translation>Vexa Modulant - Проверка программатора</translation>
    </message>
    <message>
        <source>Check &amp;again</source>
        <translation>Проверить &amp;снова</translation>
    </message>
</context>
</TS>
