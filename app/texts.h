// Every text Varenkel carries, in code page 936 (GBK), with its meaning beside it.
// Sources stay UTF-8; the GBK bytes are written as escapes so no compiler setting can change them.
// tests/native/texts_test.cpp checks each against the GBK form of the words in its comment.
#pragma once

// Window
inline constexpr char kCaption[] = "Varenkel";
inline constexpr char kModifyCaption[] = "\xD0\xDE\xB8\xC4";  // 修改 "modify"
inline constexpr char kDeleteCaption[] = "\xC9\xBE\xB3\xFD";  // 删除 "delete"

// The green hint below the controls: four lines joined by CR LF, none after the last:
// 提示： "hint:" / 5 spaces, 修改/删除时请不要禁用网卡 "don't disable the adapter while modifying or deleting"
// / 13 spaces / 26 spaces, By:Ostrevane (the author).
inline constexpr char kHintText[] =
    "\xCC\xE1\xCA\xBE\xA3\xBA\r\n"
    "     \xD0\xDE\xB8\xC4/\xC9\xBE\xB3\xFD\xCA\xB1\xC7\xEB\xB2\xBB\xD2\xAA\xBD\xFB\xD3\xC3\xCD\xF8\xBF\xA8\r\n"
    "             \r\n"
    "                          By:Ostrevane";

// Which connections are listed: names containing either term.
inline constexpr char kTermLocal[] = "\xB1\xBE\xB5\xD8";     // 本地 "local"
inline constexpr char kTermWireless[] = "\xCE\xDE\xCF\xDF";  // 无线 "wireless"

// The two default names, which neither command touches.
inline constexpr char kDefaultWirelessName[] = "\xCE\xDE\xCF\xDF\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3";  // 无线网络连接
inline constexpr char kDefaultLocalName[] = "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3";                     // 本地连接

// Message boxes of the commands
inline constexpr char kMessageTitle[] = "\xCC\xE1\xCA\xBE";  // 提示 "notice"
inline constexpr char kRefuseRenameLead[] = "\xB2\xBB\xC4\xDC\xD0\xDE\xB8\xC4\xC4\xAC\xC8\xCF[";  // 不能修改默认[ "cannot rename default ["
inline constexpr char kRefuseDeleteLead[] = "\xB2\xBB\xC4\xDC\xC9\xBE\xB3\xFD\xC4\xAC\xC8\xCF[";  // 不能删除默认[ "cannot delete default ["
inline constexpr char kRefuseTail[] = "]\xC3\xFB\xB3\xC6";                                        // ]名称 "] name"
inline constexpr char kRenameSucceeded[] =  // 修改成功,到[网络连接]刷新 "renamed, refresh [Network Connections]"
    "\xD0\xDE\xB8\xC4\xB3\xC9\xB9\xA6,\xB5\xBD[\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3]\xCB\xA2\xD0\xC2";
inline constexpr char kRenameFailed[] = "\xD0\xDE\xB8\xC4\xCA\xA7\xB0\xDC\xA3\xA1";   // 修改失败！ "rename failed!"
inline constexpr char kDeleteSucceeded[] = "\xC9\xBE\xB3\xFD\xB3\xC9\xB9\xA6\xA3\xA1";  // 删除成功！ "deleted!"
inline constexpr char kDeleteFailed[] = "\xC9\xBE\xB3\xFD\xCA\xA7\xB0\xDC\xA3\xA1";     // 删除失败！ "delete failed!"

// Fatal stop when a registry function cannot be bound:
// 无法从 <library> 中载入函数 <function>，程序将退出。
// "cannot load function <function> from <library>; the program will exit."
inline constexpr char kFatalTitle[] = "\xB4\xED\xCE\xF3";                        // 错误 "error"
inline constexpr char kBindFailedLead[] = "\xCE\xDE\xB7\xA8\xB4\xD3 ";              // 无法从 + space
inline constexpr char kBindFailedMiddle[] = " \xD6\xD0\xD4\xD8\xC8\xEB\xBA\xAF\xCA\xFD ";  // space + 中载入函数 + space
inline constexpr char kBindFailedTail[] = "\xA3\xAC\xB3\xCC\xD0\xF2\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3";  // ，程序将退出。

// Fatal stop when memory for the program's state cannot be had.
inline constexpr char kOutOfMemory[] =  // 内存不足，程序将退出。 "out of memory; the program will exit."
    "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3\xA3\xAC\xB3\xCC\xD0\xF2\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3";
