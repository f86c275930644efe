@echo off
title Orlimar Demo-CD
echo.
echo   Orlimar Demo-CD
echo   ---------------
echo   Dieses kleine Programm liegt auf der CD unter \tools\info.bat.
echo   Es wurde aus dem Startmenue mit den Parametern "%*" gestartet.
echo.
pause
