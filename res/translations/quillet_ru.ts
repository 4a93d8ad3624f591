<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AfxDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AfxMessageBox</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>Progress1</source>
        <translation>Progress1</translation>
    </message>
    <message>
        <source>Progress2</source>
        <translation>Progress2</translation>
    </message>
    <message>
        <source>Progress4</source>
        <translation>Progress4</translation>
    </message>
    <message>
        <source>Quillet </source>
        <translation>Quillet </translation>
    </message>
    <message>
        <source>Version 1.8</source>
        <translation>Версия 1.8</translation>
    </message>
    <message>
        <source>© 2026 Quillet</source>
        <translation>© 2026 Quillet</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>About Quillet</translation>
    </message>
    <message>
        <source>List1</source>
        <translation>List1</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>Progress3</source>
        <translation>Progress3</translation>
    </message>
    <message>
        <source>CF</source>
        <translation>CF</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher Dialog</translation>
    </message>
    <message>
        <source>Delay:  98 s</source>
        <translation>Задержка:  98 сек.</translation>
    </message>
    <message>
        <source>Ask before restarting</source>
        <translation>Предупреждать перед СР</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>PPC_Tree</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Меню</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;About Quillet...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>String</name>
    <message>
        <source>Quillet

Quillet


Quillet.Document
Quillet Document</source>
        <translation>Quillet

Quillet


Quillet.Document
Quillet Document</translation>
    </message>
    <message>
        <source>Do you want to end the process</source>
        <translation>Вы хотите &quot;убить&quot; процесс</translation>
    </message>
    <message>
        <source>The process was not ended.</source>
        <translation>Процесс не был &quot;убит&quot;.</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Не выбран файл.</translation>
    </message>
    <message>
        <source>No files or folders selected.</source>
        <translation>Не выбраны файлы и папки.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quillet: Error</source>
        <translation>Quillet: Error</translation>
    </message>
    <message>
        <source>Can&apos;t load the picture</source>
        <translation>Can&apos;t load the picture</translation>
    </message>
    <message>
        <source>No battery status</source>
        <translation>No battery status</translation>
    </message>
    <message>
        <source>No battery</source>
        <translation>No battery</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Charging...</source>
        <translation>Подзарядка...</translation>
    </message>
    <message>
        <source>Free:  %0.2lf MB</source>
        <translation>Free:  %0.2lf MB</translation>
    </message>
    <message>
        <source>Total:  %0.2lf MB</source>
        <translation>Total:  %0.2lf MB</translation>
    </message>
    <message>
        <source>Used:  %0.2lf MB</source>
        <translation>Used:  %0.2lf MB</translation>
    </message>
    <message>
        <source>%0.2lf  /  %0.2lf MB</source>
        <translation>%0.2lf  /  %0.2lf MB</translation>
    </message>
    <message>
        <source>Free:  %0.1lf MB</source>
        <translation>Free:  %0.1lf MB</translation>
    </message>
    <message>
        <source>Total:  %0.1lf MB</source>
        <translation>Total:  %0.1lf MB</translation>
    </message>
    <message>
        <source>Used:  %0.1lf MB</source>
        <translation>Used:  %0.1lf MB</translation>
    </message>
    <message>
        <source>%0.1lf  /  %0.1lf MB</source>
        <translation>%0.1lf  /  %0.1lf MB</translation>
    </message>
    <message>
        <source>Do you really want to restart the computer?</source>
        <translation>Вы действительно хотите сделать Софт-Ресет?</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Процессы</translation>
    </message>
    <message>
        <source>Delay:  </source>
        <translation>Задержка:  </translation>
    </message>
    <message>
        <source> s</source>
        <translation> сек.</translation>
    </message>
    <message>
        <source>Ask before restarting</source>
        <translation>Предупреждать перед СР</translation>
    </message>
    <message>
        <source>Author: the team</source>
        <translation>Автор: команда</translation>
    </message>
    <message>
        <source>Main battery</source>
        <translation>Основная батарея</translation>
    </message>
    <message>
        <source>Second battery</source>
        <translation>Вторая батарея</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Накопитель</translation>
    </message>
    <message>
        <source>Task list</source>
        <translation>Список процессов</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Перезагрузка</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Ждущий режим</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Keep open</source>
        <translation>Не закрывать</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>End task</source>
        <translation>Завершить процесс</translation>
    </message>
    <message>
        <source>Shorter</source>
        <translation>Короче</translation>
    </message>
    <message>
        <source>Longer</source>
        <translation>Дольше</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Skin folder</source>
        <translation>Папка скина</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Запущенные программы</translation>
    </message>
    <message>
        <source>No volume</source>
        <translation>Нет тома</translation>
    </message>
    <message>
        <source>Quillet</source>
        <translation>Quillet</translation>
    </message>
    <message>
        <source>Shows the next figure</source>
        <translation>Показывает следующее значение</translation>
    </message>
    <message>
        <source>Keeps the window open until you close it
Keep open</source>
        <translation>Оставляет окно открытым, пока вы его не закроете
Не закрывать</translation>
    </message>
    <message>
        <source>Changes the skin, the delay and the restart question
Settings</source>
        <translation>Меняет скин, задержку и вопрос перед перезагрузкой
Настройки</translation>
    </message>
    <message>
        <source>Shows the version of Quillet
About</source>
        <translation>Показывает версию Quillet
О программе</translation>
    </message>
    <message>
        <source>Closes Quillet
Exit</source>
        <translation>Закрывает Quillet
Выход</translation>
    </message>
    <message>
        <source>Closes Quillet
Close</source>
        <translation>Закрывает Quillet
Закрыть</translation>
    </message>
    <message>
        <source>Folder: %s
File: %s
The default skin&apos;s picture stands in for it, and for any other picture this skin cannot give.</source>
        <translation>Folder: %s
File: %s
The default skin&apos;s picture stands in for it, and for any other picture this skin cannot give.</translation>
    </message>
    <message>
        <source>The skin folder is empty. Type a folder that begins with &quot;/&quot;, or pick one with the folder button.</source>
        <translation>Папка скина не указана. Введите папку, которая начинается с &quot;/&quot;, или выберите её кнопкой папки.</translation>
    </message>
    <message>
        <source>A typed skin folder must begin with &quot;/&quot;: the whole path from the root, such as /home/me/Skins/Blue.</source>
        <translation>Папка скина должна начинаться с &quot;/&quot;: это полный путь от корня, например /home/me/Skins/Blue.</translation>
    </message>
    <message>
        <source>All processes of this name will end: %d</source>
        <translation>Будут завершены все процессы с этим именем: %d</translation>
    </message>
</context>
</TS>
