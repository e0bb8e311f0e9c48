// The configuration file right after the first apply on 06.12.97 with every default, the ten
// system files and the autostart on: what the setup writes and what the first backup run reads.
#pragma once

namespace talvek::testing {

inline constexpr const char* kFirstApplySample = "[Einstellungen]\n"
                                                 "max. Anzahl der Datens\xE4tze=3\n"
                                                 "Recovery Directory=C:\\Talvek95\n"
                                                 "Batchfile=1\n"
                                                 "Batchname=RECOVERY.BAT\n"
                                                 "Logfile=1\n"
                                                 "Logname=PROTOCOL.TXT\n"
                                                 "AlleXTage=1\n"
                                                 "Talvek-Version=1.1\n"
                                                 "Aktiv=1\n"
                                                 "firstrun=1\n"
                                                 "[Aktueller Datensatz]\n"
                                                 "Datum=04.12.97\n"
                                                 "[Recovery Files]\n"
                                                 "0=C:\\AUTOEXEC.BAT\n"
                                                 "1=C:\\CONFIG.SYS\n"
                                                 "2=C:\\IO.SYS\n"
                                                 "3=C:\\COMMAND.COM\n"
                                                 "4=C:\\MSDOS.SYS\n"
                                                 "5=C:\\WINDOWS\\WIN.INI\n"
                                                 "6=C:\\WINDOWS\\SYSTEM.INI\n"
                                                 "7=C:\\WINDOWS\\PROTOCOL.INI\n"
                                                 "8=C:\\WINDOWS\\SYSTEM.DAT\n"
                                                 "9=C:\\WINDOWS\\USER.DAT\n";

} // namespace talvek::testing
