<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
        <translation>Version 1.8</translation>
    </message>
    <message>
        <source>© 2026 Quillet</source>
        <translation>© 2026 Quillet</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Author:</translation>
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
        <translation>Memory</translation>
    </message>
    <message>
        <source>Delay:  98 s</source>
        <translation>Delay:  98 s</translation>
    </message>
    <message>
        <source>Ask before restarting</source>
        <translation>Ask before restarting</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;About Quillet...</source>
        <translation>&amp;About Quillet...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
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
        <translation>Do you want to end the process</translation>
    </message>
    <message>
        <source>The process was not ended.</source>
        <translation>The process was not ended.</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>No file selected.</translation>
    </message>
    <message>
        <source>No files or folders selected.</source>
        <translation>No files or folders selected.</translation>
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
        <translation>Charging...</translation>
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
        <translation>Do you really want to restart the computer?</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Delay:  </source>
        <translation>Delay:  </translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Ask before restarting</source>
        <translation>Ask before restarting</translation>
    </message>
    <message>
        <source>Author: the team</source>
        <translation>Author: the team</translation>
    </message>
    <message>
        <source>Main battery</source>
        <translation>Main battery</translation>
    </message>
    <message>
        <source>Second battery</source>
        <translation>Second battery</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Task list</source>
        <translation>Task list</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspend</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Keep open</source>
        <translation>Keep open</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>End task</source>
        <translation>End task</translation>
    </message>
    <message>
        <source>Shorter</source>
        <translation>Shorter</translation>
    </message>
    <message>
        <source>Longer</source>
        <translation>Longer</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Skin folder</source>
        <translation>Skin folder</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Running programs</source>
        <translation>Running programs</translation>
    </message>
    <message>
        <source>No volume</source>
        <translation>No volume</translation>
    </message>
    <message>
        <source>Quillet</source>
        <translation>Quillet</translation>
    </message>
    <message>
        <source>Shows the next figure</source>
        <translation>Shows the next figure</translation>
    </message>
    <message>
        <source>Keeps the window open until you close it
Keep open</source>
        <translation>Keeps the window open until you close it
Keep open</translation>
    </message>
    <message>
        <source>Changes the skin, the delay and the restart question
Settings</source>
        <translation>Changes the skin, the delay and the restart question
Settings</translation>
    </message>
    <message>
        <source>Shows the version of Quillet
About</source>
        <translation>Shows the version of Quillet
About</translation>
    </message>
    <message>
        <source>Closes Quillet
Exit</source>
        <translation>Closes Quillet
Exit</translation>
    </message>
    <message>
        <source>Closes Quillet
Close</source>
        <translation>Closes Quillet
Close</translation>
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
        <translation>The skin folder is empty. Type a folder that begins with &quot;/&quot;, or pick one with the folder button.</translation>
    </message>
    <message>
        <source>A typed skin folder must begin with &quot;/&quot;: the whole path from the root, such as /home/me/Skins/Blue.</source>
        <translation>A typed skin folder must begin with &quot;/&quot;: the whole path from the root, such as /home/me/Skins/Blue.</translation>
    </message>
    <message>
        <source>All processes of this name will end: %d</source>
        <translation>All processes of this name will end: %d</translation>
    </message>
</context>
</TS>
