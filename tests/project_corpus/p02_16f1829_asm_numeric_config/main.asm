;******************************************************************************
; Serial echo for a PIC16F1829 board, 19200 8N1 on RB7 (TX) / RB5 (RX).
; Assemble with MPASM or gpasm:   gpasm -p p16f1829 main.asm
; The configuration words are in config.inc, the EUSART routines in uart.inc.
;******************************************************************************

        list    p=16f1829
        #include <p16f1829.inc>
        #include "config.inc"

        errorlevel -302                 ; bank warnings

        org     0x0000
        goto    start

        org     0x0004
        retfie

start:
        ; internal oscillator block: SPLLEN = 0, IRCF<3:0> = 1110, SCS<1:0> = 00
        banksel OSCCON
        movlw   b'01110000'
        movwf   OSCCON
wait_hf:
        btfss   OSCSTAT, HFIOFR         ; wait for the HF oscillator to be ready
        goto    wait_hf

        call    uart_init

echo:
        call    uart_getc
        call    uart_putc
        goto    echo

        #include "uart.inc"

        end
