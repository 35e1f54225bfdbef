#pragma once

#include <string_view>

// The program's own texts, written here once in readable form. They reach memory as GBK through
// ToGbk (text_codec.h); "\r\n" is CR LF and the full-width "：" and "！" differ from ":" and "!".
namespace varnelle::texts {

inline constexpr std::u16string_view kWindowCaption = u"Varnelle v0.9";

// Panel keys taken by ShowPanel.
inline constexpr std::u16string_view kPanelSetPassword = u"设置密码";
inline constexpr std::u16string_view kPanelLogin = u"登录";
inline constexpr std::u16string_view kPanelData = u"数据";
inline constexpr std::u16string_view kPanelEditor = u"增修";

// A line of the entry list: full-width colons, two spaces before the second and third label.
inline constexpr std::u16string_view kListPlatformLabel = u"平台：";
inline constexpr std::u16string_view kListAccountLabel = u"  账号：";
inline constexpr std::u16string_view kListPasswordLabel = u"  密码：";

// Notices after a save.
inline constexpr std::u16string_view kSaveDone = u"保存数据完成！";
inline constexpr std::u16string_view kSaveFailed = u"保存数据失败！";
inline constexpr std::u16string_view kDamagedFileKept = u"原数据文件有无法读取的内容，已备份为：";

// Second line of kSaveFailed: why, in plain words.
inline constexpr std::u16string_view kReasonTargetIsFolder = u"数据文件的位置被同名文件夹占用。";
inline constexpr std::u16string_view kReasonNoPermission = u"没有写入程序文件夹的权限。";
inline constexpr std::u16string_view kReasonDiskFull = u"磁盘空间不足。";
inline constexpr std::u16string_view kReasonBackupFailed = u"无法备份原数据文件，原文件未被改动。";
inline constexpr std::u16string_view kReasonOther = u"写入文件时出错。";

// The load met a negative record count: the file is corrupt and the program stops.
inline constexpr std::u16string_view kFatalCaption = u"数据文件损坏";
inline constexpr std::u16string_view kFatalNegativeCount =
    u"数据文件已损坏：记录数为负数，无法读取。\r\n程序将退出，数据文件保持原样，未作任何改动。";

// The data file is there but cannot be read: the program stops rather than show an empty book.
inline constexpr std::u16string_view kFatalUnreadableCaption = u"无法读取数据文件";
inline constexpr std::u16string_view kFatalUnreadable =
    u"数据文件存在，但无法读取：可能没有读取权限，或正被其他程序占用。\r\n"
    u"程序将退出，数据文件保持原样，未作任何改动。";

// Password setup, login and the hint. The maker's contact number is written into both texts.
inline constexpr std::u16string_view kMakerContact = u"20200920";
inline constexpr std::u16string_view kSetPasswordCaption = u"警告！";
inline constexpr std::u16string_view kSetPasswordIntro =
    u"请核对您要设置的密码！\r\n请务必记住密码！\r\n如果忘记密码请联系作者解密！\r\nQQ:";
inline constexpr std::u16string_view kSetPasswordTail = u"\r\n\r\n将设置密码为：";
inline constexpr std::u16string_view kWrongPassword = u"密码错误!";
inline constexpr std::u16string_view kForgotPasswordHint =
    u"如果忘记密码请联系作者解密！\r\n    QQ:";

// The copy commands: the labels put on the clipboard with the fields, and the notices.
inline constexpr std::u16string_view kClipAccountLabel = u"账号:";
inline constexpr std::u16string_view kClipPasswordLabel = u" 密码:";
inline constexpr std::u16string_view kClipPlatformLabel = u"平台:";
inline constexpr std::u16string_view kClipAccountAfterLabel = u" 账号:";
inline constexpr std::u16string_view kClipNoteLabel = u" 备注:";
inline constexpr std::u16string_view kCopiedAccount = u"账号 已复制至剪切板！";
inline constexpr std::u16string_view kCopiedPassword = u"密码 已复制至剪切板！";
inline constexpr std::u16string_view kCopiedAccountAndPassword = u"账号+密码 已复制至剪切板！";
inline constexpr std::u16string_view kCopiedEverything = u"当前选项所有信息已复制至剪切板！";
inline constexpr std::u16string_view kCopyFailed = u"复制失败！";

// The editor and deletion.
inline constexpr std::u16string_view kEditorAddCaption = u"新增";
inline constexpr std::u16string_view kEditorModifyCaption = u"修改";
inline constexpr std::u16string_view kEditConfirmCaption = u"警告";
inline constexpr std::u16string_view kEditConfirmIntro = u"是否修改信息内容为以下：\r\n\r\n";
inline constexpr std::u16string_view kEditPlatformLabel = u"平台：";
inline constexpr std::u16string_view kEditAccountLabel = u"\r\n账号：";
inline constexpr std::u16string_view kEditPasswordLabel = u"\r\n密码：";
inline constexpr std::u16string_view kEditNoteLabel = u"\r\n备注：";
inline constexpr std::u16string_view kDeleteConfirmCaption = u"警告！";
inline constexpr std::u16string_view kDeleteConfirmIntro = u"是否删除以下数据：\r\n\r\n";
inline constexpr std::u16string_view kDeletePlatformLabel = u"平台:";
inline constexpr std::u16string_view kDeleteAccountLabel = u"\r\n账号:";
inline constexpr std::u16string_view kDeletePasswordLabel = u"\r\n密码:";
inline constexpr std::u16string_view kDeleteNoteLabel = u"\r\n备注:";
inline constexpr std::u16string_view kDeleted = u"删除成功！";
inline constexpr int kPauseAfterEditMs = 1000;

}  // namespace varnelle::texts
