@echo off
rem Writes the full IP configuration listing that Pelcor reads into the current folder,
rem which Pelcor makes its own before it starts this file.
ipconfig /all > Quennet.txt
