# Writes vellumark(1) from the program's own help: `cmake -DPROGRAM=... -DGZIP=... -DOUTPUT=...gz -P ManPage.cmake`.
# The synopsis and the list of commands are what `vellumark help` prints, so the page cannot
# drift from the command table; the rest (data folder, exit codes) is fixed text.
foreach(var PROGRAM GZIP OUTPUT)
  if(NOT ${var})
    message(FATAL_ERROR "ManPage.cmake needs -D${var}=")
  endif()
endforeach()
set(ENV{LC_ALL} C.UTF-8)
execute_process(COMMAND ${PROGRAM} help OUTPUT_VARIABLE help RESULT_VARIABLE help_code)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version RESULT_VARIABLE version_code
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT help_code EQUAL 0 OR NOT version_code EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} help / --version failed")
endif()

# roff: backslashes first, then minus signs (options), and no line may start with a dot.
function(roff_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The help is: a usage line, a sentence, "命令：", then per command "  vellumark USAGE" and
# an indented summary. Brackets are taken apart from CMake's list handling first.
string(REPLACE "[" "<LB>" help "${help}")
string(REPLACE "]" "<RB>" help "${help}")
string(REPLACE ";" "<SC>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
set(intro "")
set(commands "")
foreach(line IN LISTS lines)
  string(REPLACE "<LB>" "[" line "${line}")
  string(REPLACE "<RB>" "]" line "${line}")
  string(REPLACE "<SC>" ";" line "${line}")
  roff_escape("${line}" line)
  if(line MATCHES "^用法：vellumark (.*)$")
    set(synopsis "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  vellumark (.*)$")
    set(usage "${CMAKE_MATCH_1}")
    # A command with two usage lines (print) shares one summary.
    set(paragraph .TP)
    if(commands MATCHES "\n\\.B [^\n]*\n$")
      set(paragraph .TQ)
    endif()
    string(APPEND commands "${paragraph}\n.B vellumark ${usage}\n")
  elseif(line MATCHES "^      (.*)$")
    string(APPEND commands "${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^命令：$" OR line STREQUAL "")
  else()
    string(APPEND intro "${line}\n")
  endif()
endforeach()
if(synopsis STREQUAL "" OR commands STREQUAL "")
  message(FATAL_ERROR "`vellumark help` printed no usage line or no commands")
endif()
string(REGEX REPLACE "^vellumark " "" version "${version}")

# Chinese has no spaces to stretch: left-adjusted, unhyphenated.
set(page ".TH VELLUMARK 1 \"\" \"Vellumark ${version}\" \"用户命令\"
.ad l
.nh
.SH 名称
vellumark \\- 票据套打：把数据套打到已印好的票据上
.SH 概要
.B vellumark
${synopsis}
.br
.B vellumark
\\-\\-version
.SH 描述
${intro}.PP
Vellumark 把票据（支票、进账单、运单、收据、标签）的数据套打到已印好的纸上。
窗口中的每项操作，命令行都能以同样的代码完成。
.SH 选项
.TP
.BI \\-\\-data\\-dir \" 文件夹\"
使用这个数据文件夹，而不是默认的。
.TP
.B \\-\\-version
显示版本号。
.TP
.B help
列出全部命令。
.SH 命令
${commands}.SH 环境
.TP
.B VELLUMARK_HOME
数据文件夹（未给出 \\-\\-data\\-dir 时）。
.SH 文件
.TP
.I ~/.local/share/Vellumark/Vellumark
默认的数据文件夹：加密数据库 DATA.db、Temp 文件夹、每个格式的底图，以及 Backup 中最近七天的数据库副本。
卸载程序不会删除它。
.SH 退出状态
0 完成，1 失败（原因写在标准错误上），2 参数有误（错误和该命令的用法写在标准错误上）。
")
string(REGEX REPLACE "\\.gz$" "" plain "${OUTPUT}")
file(WRITE "${plain}" "${page}")
execute_process(COMMAND ${GZIP} -9nf "${plain}" RESULT_VARIABLE gzip_code)
if(NOT gzip_code EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${plain}")
endif()
