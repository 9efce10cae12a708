@echo off
rem vj TEXT: changes to the directory that vyr-cli finds for TEXT on every
rem drive; of several candidates, to the one picked by its number. The exit
rem status is vyr-cli's (README, "vyr-cli"). Shift-JIS with CR LF, for cmd.
setlocal DisableDelayedExpansion
set "vj_cli=%~dp0vyr-cli.exe"
set "vj_file=%TEMP%\vj-%RANDOM%-%RANDOM%.txt"
rem Into a file, not through for /f, which would lose the exit status and
rem run the line through a second cmd that a ")" in a path breaks.
"%vj_cli%" find --all-drives --native --pick -- %* >"%vj_file%"
set "vj_status=%ERRORLEVEL%"
set "vj_dir="
if "%vj_status%"=="0" set /p vj_dir=<"%vj_file%"
del "%vj_file%" 2>nul
if not defined vj_dir goto vj_none
rem One line: the path is read before endlocal forgets it, and the new
rem directory outlives this script only when set after endlocal.
endlocal & cd /d "%vj_dir%"
goto :eof
:vj_none
endlocal & exit /b %vj_status%
