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
        <source>Bytes read back don&apos;t match
</source>
        <translation>Прочитанные байты не совпадают с записанными
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
    <name>TableViewModel</name>
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
        <source>Not a regular file: %1</source>
        <translation>Это не обычный файл: %1</translation>
    </message>
</context>
</TS>
