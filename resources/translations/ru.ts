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
        <source>Reading the module&apos;s diagnostics once a second.</source>
        <translation>Диагностика модуля считывается раз в секунду.</translation>
    </message>
    <message>
        <source>This module has no digital diagnostics</source>
        <translation>Модуль не поддерживает цифровую диагностику (DDM)</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Остановлено: %1</translation>
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
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Это не обычный файл: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t read file: %1</source>
        <translation>Не удалось прочитать файл: %1</translation>
    </message>
    <message>
        <source>File is too large for an EEPROM image (more than %1 bytes): %2</source>
        <translation>Файл слишком велик для образа EEPROM (больше %1 байт): %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write file: %1</source>
        <translation>Не удалось записать файл: %1</translation>
    </message>
    <message>
        <source>Not a module dump: %1
%2</source>
        <translation>Файл не является дампом модуля: %1
%2</translation>
    </message>
    <message>
        <source>Not a module image: %1 holds %2 bytes; an image is one table (128 bytes), one device (256 bytes) or the whole module (512 bytes)</source>
        <translation>Файл не является образом модуля: %1 содержит %2 байт; образ — это одна таблица (128 байт), одно устройство (256 байт) или весь модуль (512 байт)</translation>
    </message>
</context>
<context>
    <name>TextDump</name>
    <message>
        <source>a module image is one whole table (128 bytes), one device (256 bytes) or the whole module (512 bytes)</source>
        <translation>образ модуля — это одна целая таблица (128 байт), одно устройство (256 байт) или весь модуль (512 байт)</translation>
    </message>
    <message>
        <source>Line %1: the dump starts at offset %2, not at the start of a table</source>
        <translation>Строка %1: дамп начинается со смещения %2, а не с начала таблицы</translation>
    </message>
    <message>
        <source>Line %1: offset %2 is out of order, %3 was expected</source>
        <translation>Строка %1: смещение %2 нарушает порядок, ожидалось %3</translation>
    </message>
    <message>
        <source>Line %1: offset %2 is past the end of the memory (%3 bytes)</source>
        <translation>Строка %1: смещение %2 за пределами памяти (%3 байт)</translation>
    </message>
    <message>
        <source>The dump ends at line %1 after %2 bytes from offset %3: %4</source>
        <translation>Дамп заканчивается на строке %1, содержит %2 байт от смещения %3: %4</translation>
    </message>
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
        <source>Line %1: more than 512 bytes; %2</source>
        <translation>Строка %1: больше 512 байт; %2</translation>
    </message>
    <message>
        <source>The dump ends at line %1 after %2 bytes: %3</source>
        <translation>Дамп заканчивается на строке %1, содержит %2 байт: %3</translation>
    </message>
    <message>
        <source>The dump holds no bytes: %1</source>
        <translation>В дампе нет ни одного байта: %1</translation>
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
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>The programmer&apos;s serial number; may be left out when only one is attached.</source>
        <translation>Серийный номер программатора; можно не указывать, если подключён только один.</translation>
    </message>
    <message>
        <source>A table: a0-low, a0-high, a2-low, a2-high, a0, a2 or all; may be repeated. Default: %1.</source>
        <translation>Таблица: a0-low, a0-high, a2-low, a2-high, a0, a2 или all; можно указать несколько раз. По умолчанию: %1.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
</context>
<context>
    <name>DecodeCommand</name>
    <message>
        <source>Decode an image or the module</source>
        <translation>Расшифровать образ или модуль</translation>
    </message>
    <message>
        <source>Decodes the identification and diagnostics of a module as the window&apos;s Module panel does: of the image FILE, or, without FILE, of the module in the programmer (-p may be left out when one programmer is attached). The findings come first, then every field with its value and unit; warnings and errors are spelt out. With --json the decode is one JSON object instead, in English whatever the language.

A one-table or one-device image is taken as A0h. The exit status is 3 when a check code is wrong: CC_BASE, CC_EXT, or CC_DMI when there is A2h.</source>
        <translation>Расшифровывает идентификационные данные и диагностику модуля так же, как панель «Модуль» в окне программы: образа FILE или, без FILE, модуля в программаторе (-p можно не указывать, если подключён только один программатор). Сначала выводятся замечания, затем каждое поле со значением и единицей измерения; предупреждения и ошибки названы словами. С --json расшифровка выводится одним объектом JSON — на английском при любом языке.

Образ одной таблицы или одного устройства считается образом A0h. Код завершения 3, если неверна контрольная сумма: CC_BASE, CC_EXT или, если есть A2h, CC_DMI.</translation>
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
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>Compare two images byte by byte</source>
        <translation>Сравнить два образа побайтно</translation>
    </message>
    <message>
        <source>Lists the bytes in which two images of the same size differ, with their offsets. A one-table or one-device image is taken as A0h. The exit status is 3 when bytes differ.</source>
        <translation>Выводит байты, которыми различаются два образа одного размера, с их смещениями. Образ одной таблицы или одного устройства считается образом A0h. Код завершения 3, если байты различаются.</translation>
    </message>
    <message>
        <source>The images differ in size: %1 holds %2 bytes, %3 holds %4</source>
        <translation>Образы разного размера: %1 содержит %2 байт, %3 — %4</translation>
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
        <source>Unknown password &quot;%1&quot;: give none, preset1, preset2, custom or eight hexadecimal digits</source>
        <translation>Неизвестный пароль «%1»: укажите none, preset1, preset2, custom или восемь шестнадцатеричных цифр</translation>
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
        <source>Read tables of the module</source>
        <translation>Прочитать таблицы модуля</translation>
    </message>
    <message>
        <source>Reads the tables named with -t (default: all). Without -o their bytes are printed as a hex dump in the layout of &quot;ethtool -m DEV hex on&quot;, A2h from offset 0x100. With -o FILE they go into a raw image, which is written whole or not at all; -o - sends the raw bytes to standard output. A raw image holds one table, one device (a0 or a2) or the whole module (all).

A module without diagnostics (no answer at A2h, and A0h byte 92 says so) gives its A0h tables alone, with a note.</source>
        <translation>Читает таблицы, указанные в -t (по умолчанию все). Без -o байты выводятся шестнадцатеричным дампом в формате «ethtool -m DEV hex on», A2h со смещения 0x100. С -o FILE они записываются в двоичный образ — целиком или никак; -o - выводит двоичные байты на стандартный вывод. Двоичный образ содержит одну таблицу, одно устройство (a0 или a2) или весь модуль (all).

У модуля без диагностики (A2h не отвечает, и байт 92 A0h это подтверждает) читаются только таблицы A0h, с предупреждением.</translation>
    </message>
    <message>
        <source>A raw image file to write, or - for standard output.</source>
        <translation>Файл двоичного образа для записи, или - для стандартного вывода.</translation>
    </message>
    <message>
        <source>A raw image holds one table, one device or the whole module, not %1</source>
        <translation>Двоичный образ содержит одну таблицу, одно устройство или весь модуль, а не %1</translation>
    </message>
    <message>
        <source>Interrupted: nothing was written.</source>
        <translation>Прервано: ничего не записано.</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Unknown table &quot;%1&quot;: the tables are a0-low, a0-high, a2-low, a2-high, a0, a2 and all</source>
        <translation>Неизвестная таблица «%1»: таблицы — a0-low, a0-high, a2-low, a2-high, a0, a2 и all</translation>
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
        <source>The image holds one table (128 bytes); name one table with -t, not %1</source>
        <translation>Образ содержит одну таблицу (128 байт); укажите в -t одну таблицу, а не %1</translation>
    </message>
    <message>
        <source>The image holds one device (256 bytes); name tables of A0h or of A2h with -t, not %1</source>
        <translation>Образ содержит одно устройство (256 байт); укажите в -t таблицы A0h или A2h, а не %1</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>The module has no diagnostics (A2h): only its A0h tables were read.</source>
        <translation>У модуля нет диагностики (A2h): прочитаны только таблицы A0h.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>VerifyCommand</name>
    <message>
        <source>Compare tables of the module with an image</source>
        <translation>Сравнить таблицы модуля с образом</translation>
    </message>
    <message>
        <source>Reads the tables named with -t (default: a0-low) and compares them with the image FILE. The differing bytes are listed on standard output with their offsets. Of an A2 table the first 119 bytes are compared: the vendor area and the write-only password entry follow. The exit status is 3 when bytes differ.</source>
        <translation>Читает таблицы, указанные в -t (по умолчанию a0-low), и сравнивает их с образом FILE. Отличающиеся байты выводятся на стандартный вывод с их смещениями. В таблицах A2 сравниваются первые 119 байт: дальше идут область производителя и поле ввода пароля, доступное только для записи. Код завершения 3, если байты различаются.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
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
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <source>Write tables of an image into the module</source>
        <translation>Записать таблицы образа в модуль</translation>
    </message>
    <message>
        <source>Writes the tables named with -t (default: a0-low) from the image FILE into the module, after the module password, and reads each table back to verify it. A whole-module image gives each table from its place, a one-device image the tables of the device named, a one-table image the one table named.

A2 Low holds the diagnostics&apos; thresholds and calibration; it is written only with --allow-diagnostics. Ctrl+C stops once the table under way is written: a table is never left half written.</source>
        <translation>Записывает в модуль таблицы, указанные в -t (по умолчанию a0-low), из образа FILE — после ввода пароля модуля — и проверяет каждую таблицу обратным чтением. Образ всего модуля даёт каждую таблицу с её места, образ одного устройства — таблицы указанного устройства, образ одной таблицы — единственную указанную таблицу.

В A2 Нижней хранятся пороги и калибровка диагностики; она записывается только с --allow-diagnostics. Ctrl+C останавливает запись после таблицы, которая уже пишется: таблица никогда не остаётся записанной наполовину.</translation>
    </message>
    <message>
        <source>The module password: none (default), preset1, preset2, custom (the one stored in the settings) or eight hexadecimal digits.</source>
        <translation>Пароль модуля: none (по умолчанию), preset1, preset2, custom (сохранённый в настройках) или восемь шестнадцатеричных цифр.</translation>
    </message>
    <message>
        <source>Do not read the tables back.</source>
        <translation>Не проверять таблицы обратным чтением.</translation>
    </message>
    <message>
        <source>Allow writing A2 Low.</source>
        <translation>Разрешить запись A2 Нижней.</translation>
    </message>
    <message>
        <source>Writing A2 Low may upset the module&apos;s diagnostics and other settings; add --allow-diagnostics to write it all the same.</source>
        <translation>Запись A2 Нижней может нарушить работу диагностики (DDMI) и другие параметры модуля; добавьте --allow-diagnostics, чтобы всё же записать её.</translation>
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

The serial numbers are PREFIX followed by a counter as wide as START, up to LAST or the largest the counter holds: VX2612+0001..0500. A journal that holds numbers of the series already is continued after the highest. A number is used up once it reached a module, even when the verify fails; a module that already carries a number of the series is refused unless --allow-reprogram is given, which writes it again with its own number.

The series ends after --count modules (without waiting for the last to be pulled), after the counter&apos;s last value, or with Ctrl+C once the module under way is done. Exit status 0 when every module passed, 3 when some failed only their verify, 1 when any other failed.</source>
        <translation>Записывает образ TEMPLATE в модули один за другим: ждёт, пока модуль в разъёме ответит, вписывает в A0 Low следующий серийный номер и дату изготовления, пересчитывает контрольные суммы, записывает и проверяет, добавляет строку в журнал и выводит её, затем ждёт, пока модуль извлекут. Шаблон из 128 байт даёт A0 Low, из 256 байт — A0h, из 512 байт — ещё и пользовательскую область A2h.

Серийные номера — это ПРЕФИКС и счётчик той же ширины, что START, до LAST или до наибольшего значения счётчика: VX2612+0001..0500. Если в журнале уже есть номера этой серии, счёт продолжается после наибольшего. Номер считается израсходованным, как только попал в модуль, даже если проверка не прошла; модуль, у которого уже есть номер этой серии, отклоняется, если не задан --allow-reprogram — тогда он записывается заново со своим номером.

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
        <source>The module password: none (default), preset1, preset2, custom (the one stored in the settings) or eight hexadecimal digits.</source>
        <translation>Пароль модуля: none (по умолчанию), preset1, preset2, custom (сохранённый в настройках) или восемь шестнадцатеричных цифр.</translation>
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
