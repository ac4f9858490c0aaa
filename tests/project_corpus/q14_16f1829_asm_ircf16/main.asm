; PIC16F1829 echo, absolute assembly (MPASM / gpasm)
        list        p=16f1829
        #include    <p16f1829.inc>

        __CONFIG _CONFIG1, _FOSC_INTOSC & _WDTE_OFF
        __CONFIG _CONFIG2, _PLLEN_OFF & _LVP_OFF

        org     0x0000
        goto    start

        org     0x0010
start:
        banksel OSCCON
        movlw   b'01111000'         ; SPLLEN 0, IRCF 1111, SCS 00
        movwf   OSCCON

        call    uart_init

loop:
        banksel PIR1
        btfss   PIR1, RCIF
        goto    loop
        banksel RCREG
        movf    RCREG, W
        call    uart_put
        goto    loop

        #include    "uart.inc"

        end
