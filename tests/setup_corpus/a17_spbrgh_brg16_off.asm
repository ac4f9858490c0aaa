        list    p=18f2520
        #include <p18f2520.inc>

; 40 MHz, 2400 baud, n = 1040 = 0x410
uart_init
        clrf    BAUDCON
        movlw   0x04
        movwf   SPBRGH
        movlw   0x10
        movwf   SPBRG
        movlw   0x20            ; TXEN, BRGH = 0
        movwf   TXSTA
        movlw   0x90
        movwf   RCSTA
        return
