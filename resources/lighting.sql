/* The lighting database: schemes of steps, the programme that plays them and
   the daily time table. SQL dialect 1, character set UTF8. The database itself
   is created by scripts/create-database, which runs this script in it. */

SET SQL DIALECT 1;

/* A lighting scheme: a named sequence of steps. */
CREATE TABLE SCHEMES (
  FSCHEME SMALLINT NOT NULL,
  FNAME   VARCHAR(50) NOT NULL,
  CONSTRAINT PK_SCHEMES PRIMARY KEY (FSCHEME)
);

/* The steps of a scheme: how long the step lasts (FDELAY, milliseconds) and
   the state of each channel ('1' on, '0' off). */
CREATE TABLE LIGHTING (
  FID     INTEGER NOT NULL,
  FSCHEME SMALLINT NOT NULL,
  FDELAY  INTEGER NOT NULL,
  F1  CHAR(1) NOT NULL,
  F2  CHAR(1) NOT NULL,
  F3  CHAR(1) NOT NULL,
  F4  CHAR(1) NOT NULL,
  F5  CHAR(1) NOT NULL,
  F6  CHAR(1) NOT NULL,
  F7  CHAR(1) NOT NULL,
  F8  CHAR(1) NOT NULL,
  F9  CHAR(1) NOT NULL,
  F10 CHAR(1) NOT NULL,
  F11 CHAR(1) NOT NULL,
  F12 CHAR(1) NOT NULL,
  F13 CHAR(1) NOT NULL,
  F14 CHAR(1) NOT NULL,
  F15 CHAR(1) NOT NULL,
  F16 CHAR(1) NOT NULL,
  CONSTRAINT PK_LIGHTING PRIMARY KEY (FSCHEME, FID),
  CONSTRAINT FK_LIGHTING_SCHEME FOREIGN KEY (FSCHEME) REFERENCES SCHEMES (FSCHEME)
    ON DELETE CASCADE ON UPDATE CASCADE
);

/* The programme: schemes in playing order (FID), each played FCOUNT times. */
CREATE TABLE PROGRAMM (
  FID     SMALLINT NOT NULL,
  FSCHEME SMALLINT NOT NULL,
  FCOUNT  SMALLINT NOT NULL,
  CONSTRAINT PK_PROGRAMM PRIMARY KEY (FID),
  CONSTRAINT FK_PROGRAMM_SCHEME FOREIGN KEY (FSCHEME) REFERENCES SCHEMES (FSCHEME)
);

/* The daily time table: the programme runs from FONHOUR:FONMINUTE until
   FTOHOUR:FTOMINUTE, one interval per row, in FID order. */
CREATE TABLE FTIME (
  FID       INTEGER NOT NULL,
  FONHOUR   SMALLINT NOT NULL,
  FONMINUTE SMALLINT NOT NULL,
  FTOHOUR   SMALLINT NOT NULL,
  FTOMINUTE SMALLINT NOT NULL,
  CONSTRAINT PK_FTIME PRIMARY KEY (FID),
  CONSTRAINT CHK_FTIME_ONHOUR CHECK (FONHOUR BETWEEN 0 AND 23),
  CONSTRAINT CHK_FTIME_ONMINUTE CHECK (FONMINUTE BETWEEN 0 AND 59),
  CONSTRAINT CHK_FTIME_TOHOUR CHECK (FTOHOUR BETWEEN 0 AND 23),
  CONSTRAINT CHK_FTIME_TOMINUTE CHECK (FTOMINUTE BETWEEN 0 AND 59)
);

CREATE EXCEPTION E_SCHEME_IN_PROGRAMM
  'Схема используется в программе: сначала удалите её строки из программы';

SET TERM ^ ;

/* A scheme the programme plays cannot be deleted (its steps would go with it
   by the cascade); the foreign key of PROGRAMM refuses it too, with a less
   helpful message. */
CREATE TRIGGER SCHEMES_BD FOR SCHEMES
ACTIVE BEFORE DELETE POSITION 0
AS
BEGIN
  IF (EXISTS (SELECT 1 FROM PROGRAMM WHERE FSCHEME = OLD.FSCHEME)) THEN
    EXCEPTION E_SCHEME_IN_PROGRAMM;
END^

/* Checks the time table: each interval must start before it ends and not
   before the previous one (in FID order) ends. Returns one row: REC = 0 and
   RES = 'OK' when the table is valid (an empty one is), otherwise REC is the
   1-based position of the first bad row in FID order and RES says what is
   wrong with it. */
CREATE PROCEDURE TEST_TIME
RETURNS (REC SMALLINT, RES VARCHAR(80))
AS
  DECLARE VARIABLE POS INTEGER;
  DECLARE VARIABLE ON_AT INTEGER;
  DECLARE VARIABLE TO_AT INTEGER;
  DECLARE VARIABLE PREV_TO INTEGER;
BEGIN
  REC = 0;
  RES = 'OK';
  POS = 0;
  PREV_TO = NULL;
  FOR SELECT FONHOUR * 60 + FONMINUTE, FTOHOUR * 60 + FTOMINUTE
      FROM FTIME
      ORDER BY FID
      INTO :ON_AT, :TO_AT
  DO
  BEGIN
    POS = POS + 1;
    IF (ON_AT >= TO_AT) THEN
    BEGIN
      REC = POS;
      RES = 'Время "включения" не раньше времени "работать по ..." этой же строки !';
      SUSPEND;
      EXIT;
    END
    IF (PREV_TO IS NOT NULL AND ON_AT < PREV_TO) THEN
    BEGIN
      REC = POS;
      RES = 'Время "включения" раньше времени "работать по ..." предыдущей строки !';
      SUSPEND;
      EXIT;
    END
    PREV_TO = TO_AT;
  END
  SUSPEND;
END^

SET TERM ; ^

COMMIT;
